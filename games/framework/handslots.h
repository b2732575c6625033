// The cash-in games' score sheet: ten hand slots filled in order, and the
// choices the player has of lines to cash in.
#pragma once

#include "gridlines.h"
#include "pokercalc.h"

#include <array>
#include <functional>
#include <span>
#include <string>

struct TGameContext;

inline constexpr int HandSlotCount = 10;

struct THandSlot {
    int Category = EmptyHandSlot;
    int CardTotal = 0;
    int Multiplier = 1;
    int Score = 0;
    bool IsEmpty() const { return Category == EmptyHandSlot; }
};

class THandSheet {
public:
    std::array<THandSlot, HandSlotCount> Slots;

    // All ten slots empty (category 11, card total 0, multiplier 1, score 0).
    void Clear();
    // The first empty slot receives the hand; false when all ten are filled.
    bool RecordHand(int category, int cardTotal, int multiplier);
    // Re-prices every filled slot from its category, card total and multiplier
    // (so a change of system re-prices hands already cashed in); returns the total.
    int Refresh(int scoreSystem);
    // The hand is over once the tenth slot is filled.
    bool IsFull() const { return !Slots[HandSlotCount - 1].IsEmpty(); }

    // Scores, categories, card totals and (when the game keeps them) multipliers.
    void SaveTo(TGameContext& context, bool withMultipliers) const;
    void RestoreFrom(const TGameContext& context, bool withMultipliers);
};

// Points of one hand under a system; multipliers pay only under Wild.
int SlotPoints(int category, int cardTotal, int multiplier, int scoreSystem);

// What the cash-in panel shows for one line.
struct TCashInChoice {
    bool Complete = false; // all five places hold a card
    int Category = 10;
    int CardTotal = 0;
    int Points = 0;
    std::string Hint; // hand name + ", " + points; empty when not complete
};

// For every line: complete or not, and if so what cashing it in now would
// score with the multiplier the game would give it now.
std::array<TCashInChoice, LineCount>
UpdateCashInChoices(std::span<TCardPile* const> places, int scoreSystem,
                    const std::function<int(int line)>& multiplier);
