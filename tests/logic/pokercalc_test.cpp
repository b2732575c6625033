#include "card.h"
#include "pokercalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

struct Case {
    const char* text;
    int category;
    int total;
};

TEST(EvaluateHand, CategoriesAndTotals) {
    const Case cases[] = {
        {"----------", NoHand, 0},
        {"AC--AD----", OnePair, 28},
        {"ASAC--AD--", ThreeOfAKind, 42},
        {"2H3H4H5HAH", StraightFlush, 15},
        {"2H3C4H5HAH", Straight, 15},
        {"THJHQHKHAH", RoyalFlush, 60},
        {"TCJHQHKHAH", Straight, 60},
        {"QCKDAH2S3C", NoHand, 44},
        {"2C2D3C3D3H", FullHouse, 13},
        {"2C5C9CJCKC", Flush, 40},
        {"AC2D3H4S--", NoHand, 23},
        {"thjhqhkhah", NoHand, 0},
        {"THJHQHKHAh", Straight, 60},
        {"5C5S5D5H5C", FiveOfAKind, 25},
        {"5H5H7H9HKH", Flush, 39},
        {"5H5H7H7HKH", Flush, 37},
        {"AC2D--TH9S", NoHand, 35},
        {"9S9C9D9HKD", FourOfAKind, 49},
        {"KSKD2C2H7S", TwoPair, 37},
        {"9C8C7CTCJC", StraightFlush, 45},
        {"3C3S----3D", ThreeOfAKind, 9},
        {"AC2D3H4S5SXXtrailing", Straight, 15}, // characters after the tenth are ignored
    };
    for (const Case& c : cases) {
        const HandResult result = EvaluateHand(c.text);
        EXPECT_EQ(GetHandCategory(), c.category) << c.text;
        EXPECT_EQ(GetHandValue(), c.total) << c.text;
        EXPECT_EQ(result.Category, c.category) << c.text;
        EXPECT_EQ(result.Total, c.total) << c.text;
    }
}

TEST(EvaluateHand, ShortTextRaisesAndKeepsTheResults) {
    EvaluateHand("2C5C9CJCKC");
    for (const char* text : {"", "2C", "2C5C9CJCK"})
        EXPECT_THROW(EvaluateHand(text), std::out_of_range) << text;
    EXPECT_EQ(GetHandCategory(), Flush);
    EXPECT_EQ(GetHandValue(), 40);
}

// All 2,598,960 hands of one deck give the textbook counts, and every card
// total is the sum of the card values (ace-to-five straights 15).
TEST(EvaluateHand, EveryFiveCardHandOfOneDeck) {
    std::array<std::string, 52> names;
    for (int n = 0; n < 52; ++n)
        names[n] = TCard(n).Name;
    std::array<long, HandCategoryCount> counts{};
    std::string text(10, '-');
    long hands = 0;
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        const int cards[5] = {a, b, c, d, e};
                        int sum = 0;
                        for (int i = 0; i < 5; ++i) {
                            text[2 * i] = names[cards[i]][0];
                            text[2 * i + 1] = names[cards[i]][1];
                            const int value = cards[i] % 13;
                            sum += value == 0 ? 14 : value + 1;
                        }
                        const HandResult r = EvaluateHand(text);
                        ++counts[r.Category];
                        ++hands;
                        const bool wheel =
                            (r.Category == Straight || r.Category == StraightFlush) &&
                            sum == 14 + 2 + 3 + 4 + 5;
                        if (r.Total != (wheel ? 15 : sum))
                            FAIL() << text << " total " << r.Total;
                    }
    EXPECT_EQ(hands, 2598960);
    EXPECT_EQ(counts[FiveOfAKind], 0);
    EXPECT_EQ(counts[RoyalFlush], 4);
    EXPECT_EQ(counts[StraightFlush], 36);
    EXPECT_EQ(counts[FourOfAKind], 624);
    EXPECT_EQ(counts[FullHouse], 3744);
    EXPECT_EQ(counts[Flush], 5108);
    EXPECT_EQ(counts[Straight], 10200);
    EXPECT_EQ(counts[ThreeOfAKind], 54912);
    EXPECT_EQ(counts[TwoPair], 123552);
    EXPECT_EQ(counts[OnePair], 1098240);
    EXPECT_EQ(counts[NoHand], 1302540);
}

TEST(EvaluateHand, OrderOfCardsDoesNotMatter) {
    // Every arrangement of a hand, empty places included, classifies the same.
    const char* hands[] = {"2H3H4H5HAH", "AC--AD----", "2C2D3C3D3H", "QCKDAH2S3C"};
    for (const char* hand : hands) {
        std::array<std::string, 5> places;
        for (int i = 0; i < 5; ++i)
            places[i] = std::string(hand + 2 * i, 2);
        const HandResult expected = EvaluateHand(hand);
        std::array<int, 5> order = {0, 1, 2, 3, 4};
        do {
            std::string text;
            for (int i : order)
                text += places[i];
            const HandResult r = EvaluateHand(text);
            EXPECT_EQ(r.Category, expected.Category) << text;
            EXPECT_EQ(r.Total, expected.Total) << text;
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

TEST(HandNames, InCategoryOrder) {
    EXPECT_EQ(HandNames[0], "Five Of A Kind");
    EXPECT_EQ(HandNames[4], "Straight");
    EXPECT_EQ(HandNames[7], "Flush");
    EXPECT_EQ(HandNames[10], "None");
}

} // namespace
