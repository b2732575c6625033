#include "pokercalc.h"

#include <stdexcept>
#include <utility>

const std::array<std::string, HandCategoryCount> HandNames = {
    "Five Of A Kind",  "Royal Flush", "Straight Flush", "Four Of A Kind", "Straight", "Full House",
    "Three Of A Kind", "Flush",       "Two Pair",       "One Pair",       "None"};

namespace {

constexpr int Unknown = 99;

// The evaluation state: overwritten by every call, read through the getters.
HandResult last;

int RankOf(char c) {
    switch (c) {
    case 'A': return 0;
    case 'T': return 9;
    case 'J': return 10;
    case 'Q': return 11;
    case 'K': return 12;
    default: return (c >= '2' && c <= '9') ? c - '1' : Unknown;
    }
}

int SuitOf(char c) {
    switch (c) {
    case 'C': return 0;
    case 'S': return 1;
    case 'D': return 2;
    case 'H': return 3;
    default: return Unknown;
    }
}

// Comb sort exactly as the scores were always computed: gaps 3, 2, 1, 1, ...
void CombSort(std::array<int, 5>& r) {
    int gap = 5;
    bool swapped = true;
    while (gap > 1 || swapped) {
        gap = gap * 8 / 11;
        if (gap == 0)
            gap = 1;
        swapped = false;
        for (int i = 0; i < 5 - gap; ++i) {
            if (r[i] > r[i + gap]) {
                std::swap(r[i], r[i + gap]);
                swapped = true;
            }
        }
    }
}

} // namespace

HandResult EvaluateHand(std::string_view text) {
    if (text.size() < 10)
        throw std::out_of_range("hand text \"" + std::string(text) +
                                "\" is shorter than ten characters");
    std::array<int, 5> r{};
    std::array<int, 5> s{};
    for (int i = 0; i < 5; ++i) {
        r[i] = RankOf(text[2 * i]);
        s[i] = SuitOf(text[2 * i + 1]);
    }
    // Unknown places become distinct, never consecutive, and never share a suit.
    for (int i = 0; i < 5; ++i) {
        if (r[i] == Unknown)
            r[i] = Unknown - 2 * i;
        if (s[i] == Unknown)
            s[i] = Unknown - 2 * i;
    }
    CombSort(r);

    int category = NoHand;
    if (r[0] == r[1] || r[1] == r[2] || r[2] == r[3] || r[3] == r[4])
        category = OnePair;
    if ((r[0] == r[1] && r[2] == r[3]) || (r[0] == r[1] && r[3] == r[4]) ||
        (r[1] == r[2] && r[3] == r[4]))
        category = TwoPair;
    if ((r[0] == r[1] && r[1] == r[2]) || (r[1] == r[2] && r[2] == r[3]) ||
        (r[2] == r[3] && r[3] == r[4]))
        category = ThreeOfAKind;
    if ((r[0] == r[1] && r[2] == r[3] && r[3] == r[4]) ||
        (r[0] == r[1] && r[1] == r[2] && r[3] == r[4]))
        category = FullHouse;
    if ((r[0] == r[1] && r[1] == r[2] && r[2] == r[3]) ||
        (r[1] == r[2] && r[2] == r[3] && r[3] == r[4]))
        category = FourOfAKind;
    if (r[0] == r[1] && r[1] == r[2] && r[2] == r[3] && r[3] == r[4])
        category = FiveOfAKind;
    const bool run = r[1] == r[0] + 1 && r[2] == r[1] + 1 && r[3] == r[2] + 1 && r[4] == r[3] + 1;
    const bool broadway = r[0] == 0 && r[1] == 9 && r[2] == 10 && r[3] == 11 && r[4] == 12;
    if (run || broadway)
        category = Straight;
    if (s[0] == s[1] && s[1] == s[2] && s[2] == s[3] && s[3] == s[4])
        category = run ? StraightFlush : broadway ? RoyalFlush : Flush;

    int total = 0;
    if ((category == Straight || category == StraightFlush) && r[0] == 0 && r[1] == 1) {
        total = 15;
    } else {
        for (int rank : r) {
            if (rank == 0)
                total += 14;
            else if (rank <= 12)
                total += rank + 1;
        }
    }
    last = {category, total};
    return last;
}

int GetHandCategory() {
    return last.Category;
}

int GetHandValue() {
    return last.Total;
}
