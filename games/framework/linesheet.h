// The score sheet of the line games: each of the ten lines of the grid is
// classified as it stands and priced under the scoring system in force.
#pragma once

#include "gridlines.h"

#include <array>
#include <span>

struct TGameContext;

struct TLineScore {
    int Category = 10; // "None"
    int CardTotal = 0;
    int Score = 0;
};

class TLineSheet {
public:
    std::array<TLineScore, LineCount> Lines;

    // Every line "None" with card total 0 and score 0.
    void Reset();
    // Classifies each line from the top cards of its places; incomplete lines
    // are scored as they stand.
    void Evaluate(std::span<TCardPile* const> places);
    // Prices every line under the system and returns the total.
    int Refresh(int scoreSystem);

    void SaveTo(TGameContext& context) const;
    void RestoreFrom(const TGameContext& context);
};
