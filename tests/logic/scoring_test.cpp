#include "pokercalc.h"
#include "scoring.h"

#include <gtest/gtest.h>

namespace {

struct Priced {
    const char* text;
    int english, american, wild;
};

TEST(Scoring, HandsUnderTheThreeSystems) {
    const Priced cases[] = {
        {"----------", 0, 0, 0},         {"ASADKCQHJS", 1, 2, 128},
        {"2C5D9HJCKS", 0, 0, 40},        {"THJHQHKHAH", 35, 100, 3000},
        {"AS2S3S4S5S", 30, 75, 600},     {"5C5S5D5H5C", 40, 150, 75 * 25},
        {"9S9C9D9HKD", 16, 50, 25 * 49}, {"2C3D4H5S6C", 12, 15, 12 * 20},
        {"2C2D3C3D3H", 10, 25, 15 * 13}, {"2C2D2H9SKS", 6, 10, 5 * 28},
        {"2C5C9CJCKC", 5, 20, 10 * 40},  {"KSKD2C2H7S", 3, 5, 3 * 37},
    };
    for (const Priced& c : cases) {
        EXPECT_EQ(ScoreHandText(c.text, EnglishScoring), c.english) << c.text;
        EXPECT_EQ(ScoreHandText(c.text, AmericanScoring), c.american) << c.text;
        EXPECT_EQ(ScoreHandText(c.text, WildScoring), c.wild) << c.text;
        EXPECT_EQ(ScoreHandText(c.text, 5), c.wild) << c.text; // any other system is Wild
        EXPECT_EQ(ScoreHandText(c.text, -1), c.wild) << c.text;
    }
}

TEST(Scoring, TableIsCategoryMajor) {
    for (int category = 0; category < HandCategoryCount; ++category) {
        EXPECT_EQ(HandScore(category, 99, 0), ScoreTable[3 * category]);
        EXPECT_EQ(HandScore(category, 99, 1), ScoreTable[3 * category + 1]);
        EXPECT_EQ(HandScore(category, 2, 2), ScoreTable[3 * category + 2] * 2);
    }
    // A straight beats a full house under English only.
    EXPECT_GT(HandScore(Straight, 0, EnglishScoring), HandScore(FullHouse, 0, EnglishScoring));
    EXPECT_LT(HandScore(Straight, 0, AmericanScoring), HandScore(FullHouse, 0, AmericanScoring));
    EXPECT_LT(HandScore(Straight, 1, WildScoring), HandScore(FullHouse, 1, WildScoring));
    EXPECT_THROW(HandScore(11, 0, 0), std::out_of_range);
}

TEST(Scoring, SystemNames) {
    EXPECT_EQ(ScoreSystemName(0), "English Scoring");
    EXPECT_EQ(ScoreSystemName(1), "American Scoring");
    EXPECT_EQ(ScoreSystemName(2), "Wild Scoring");
    EXPECT_EQ(ScoreSystemName(5), "Wild Scoring");
}

} // namespace
