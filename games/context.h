// The game context: one record through which every game saves its position,
// and the ring of snapshots that undo steps back through.  Both are single
// static instances: only one game window is ever open.
#pragma once

#include <cstdint>
#include <functional>
#include <type_traits>

struct TSlotState {
    std::int8_t CardNumber; // 0..51, or -1 when no card lies there
    std::int8_t Enabled;    // the view accepts the mouse
    std::int8_t Style;      // IsBordered (Poker Puzzle: the view's State)
    std::int8_t FaceUp;
};

struct TGameContext {
    TSlotState Places[25];
    TSlotState Stock[104];
    std::int32_t Scores[20];
    std::int8_t Categories[20];
    std::int32_t CardTotals[20];
    std::int8_t Multipliers[20];
    std::int32_t MoveCount;
    std::int32_t TotalScore;
    std::int32_t Counter1;
    std::int32_t Counter2;
    std::int32_t UndoDepth;
    std::int8_t Hole;
    std::int8_t HoldMarks[5];
};

// The record is copied whole, bytewise.
static_assert(std::is_trivially_copyable_v<TGameContext>);
static_assert(std::is_standard_layout_v<TGameContext>);

struct TUndoHistory {
    static constexpr int SlotCount = 102;
    static constexpr int UndoCapacity = 101; // the highest slot and the largest depth

    TGameContext Slots[SlotCount];
    int LatestSlot;
    int NextSlot;
    int Depth;
};

extern TGameContext GameContext;
extern TUndoHistory UndoHistory;

void ResetUndoHistory();
void PushGameContext();
// Steps back one snapshot; with one snapshot or none it beeps and changes nothing.
void UndoGameContext();

// The beep for an undo with nothing to undo; the window layer connects the
// system beep, tests observe it.  An empty hook is silent.
void SetUndoBeepHook(std::function<void()> hook);
