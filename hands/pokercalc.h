// The hand evaluator: five cards as text ("AC2D--TH9S") in, a hand category
// and a card total out.  Places without a card ("--", or any character that is
// not a value or suit letter) match nothing.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr int HandCategoryCount = 11;
// Games that keep hand slots mark an empty slot with this category.
inline constexpr int EmptyHandSlot = 11;

enum HandCategory : int {
    FiveOfAKind = 0,
    RoyalFlush = 1,
    StraightFlush = 2,
    FourOfAKind = 3,
    Straight = 4,
    FullHouse = 5,
    ThreeOfAKind = 6,
    Flush = 7,
    TwoPair = 8,
    OnePair = 9,
    NoHand = 10
};

extern const std::array<std::string, HandCategoryCount> HandNames;

struct HandResult {
    int Category = 0;
    int Total = 0;
};

// Classifies the first ten characters of the hand text.  A text shorter than
// ten characters throws std::out_of_range and leaves the previous results.
HandResult EvaluateHand(std::string_view handText);
// The results of the last evaluation (0 and 0 before the first).
int GetHandCategory();
int GetHandValue();
