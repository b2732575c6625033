#include "scoring.h"

#include "pokercalc.h"

#include <stdexcept>

const std::array<int, 11 * ScoreSystemCount> ScoreTable = {
    // English, American, Wild
    40, 150, 75, // Five Of A Kind
    35, 100, 50, // Royal Flush
    30, 75,  40, // Straight Flush
    16, 50,  25, // Four Of A Kind
    12, 15,  12, // Straight
    10, 25,  15, // Full House
    6,  10,  5,  // Three Of A Kind
    5,  20,  10, // Flush
    3,  5,   3,  // Two Pair
    1,  2,   2,  // One Pair
    0,  0,   1,  // None
};

int HandScore(int category, int cardTotal, int scoreSystem) {
    if (category < 0 || category >= HandCategoryCount)
        throw std::out_of_range("hand category " + std::to_string(category) + " is not 0 to 10");
    const auto row = static_cast<std::size_t>(category) * ScoreSystemCount;
    if (scoreSystem == EnglishScoring || scoreSystem == AmericanScoring)
        return ScoreTable[row + static_cast<std::size_t>(scoreSystem)];
    return ScoreTable[row + WildScoring] * cardTotal;
}

int ScoreHandText(const std::string& handText, int scoreSystem) {
    const HandResult hand = EvaluateHand(handText);
    return HandScore(hand.Category, hand.Total, scoreSystem);
}

std::string ScoreSystemName(int scoreSystem) {
    switch (scoreSystem) {
    case EnglishScoring: return "English Scoring";
    case AmericanScoring: return "American Scoring";
    default: return "Wild Scoring";
    }
}
