#include "context.h"

#include <cstring>

TGameContext GameContext{};
TUndoHistory UndoHistory{};

namespace {
std::function<void()> beepHook;

int Forward(int slot) {
    return slot >= TUndoHistory::UndoCapacity ? 0 : slot + 1;
}

int Back(int slot) {
    return slot <= 0 ? TUndoHistory::UndoCapacity : slot - 1;
}
} // namespace

void SetUndoBeepHook(std::function<void()> hook) {
    beepHook = std::move(hook);
}

void ResetUndoHistory() {
    std::memset(UndoHistory.Slots, 0, sizeof UndoHistory.Slots);
    UndoHistory.LatestSlot = 0;
    UndoHistory.NextSlot = 1;
    UndoHistory.Depth = 0;
    GameContext.UndoDepth = 0;
}

void PushGameContext() {
    UndoHistory.Slots[UndoHistory.NextSlot] = GameContext;
    UndoHistory.LatestSlot = Forward(UndoHistory.LatestSlot);
    UndoHistory.NextSlot = Forward(UndoHistory.NextSlot);
    if (UndoHistory.Depth < TUndoHistory::UndoCapacity)
        ++UndoHistory.Depth;
    GameContext.UndoDepth = UndoHistory.Depth;
}

void UndoGameContext() {
    if (UndoHistory.Depth <= 1) {
        if (beepHook)
            beepHook();
        return;
    }
    UndoHistory.LatestSlot = Back(UndoHistory.LatestSlot);
    GameContext = UndoHistory.Slots[UndoHistory.LatestSlot];
    UndoHistory.NextSlot = Back(UndoHistory.NextSlot);
    --UndoHistory.Depth;
    GameContext.UndoDepth = UndoHistory.Depth;
}
