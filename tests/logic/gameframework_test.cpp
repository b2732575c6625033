#include "cardpile.h"
#include "context.h"
#include "gridlayout.h"
#include "gridlines.h"
#include "handslots.h"
#include "linesheet.h"
#include "scoring.h"
#include "undopiles.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Twenty-five piles that delete their cards at the end of the test.
struct Grid {
    std::array<std::unique_ptr<TCardPile>, GridPlaces> piles;
    std::array<TCardPile*, GridPlaces> places{};
    Grid() {
        for (int i = 0; i < GridPlaces; ++i) {
            piles[i] = std::make_unique<TCardPile>();
            places[i] = piles[i].get();
        }
    }
    ~Grid() {
        for (auto& pile : piles)
            pile->Empty(true);
    }
    void Put(int place, const char* name) {
        const std::string n = name;
        for (int number = 0; number < 52; ++number) {
            auto* card = new TCard(number);
            if (card->Name == n) {
                card->FaceUp = true;
                places[place]->AddCard(card);
                return;
            }
            delete card;
        }
        FAIL() << "no card " << name;
    }
};

TEST(GridLines, EveryPlaceLiesOnExactlyOneRowAndOneColumn) {
    std::array<int, GridPlaces> rows{}, columns{};
    for (int line = 0; line < LineCount; ++line) {
        std::set<int> places(GridLines[line].begin(), GridLines[line].end());
        ASSERT_EQ(places.size(), 5u);
        for (int place : GridLines[line])
            ++(line < GridSide ? rows : columns)[place];
    }
    for (int place = 0; place < GridPlaces; ++place) {
        EXPECT_EQ(rows[place], 1);
        EXPECT_EQ(columns[place], 1);
        // Rows run left to right, columns top to bottom.
        EXPECT_EQ(GridLines[place / 5][place % 5], place);
        EXPECT_EQ(GridLines[5 + place % 5][place / 5], place);
    }
    EXPECT_EQ(LineCaption(0), "Row 1");
    EXPECT_EQ(LineCaption(4), "Row 5");
    EXPECT_EQ(LineCaption(5), "Column 1");
    EXPECT_EQ(LineCaption(9), "Column 5");
}

TEST(LineSheet, ScoresLinesAsTheyStandUnderEachSystem) {
    Grid grid;
    grid.Put(0, "KH");
    grid.Put(1, "KS"); // row 0: a pair of kings
    grid.Put(24, "2C");
    EXPECT_EQ(LineHandText(grid.places, 0), "KHKS------");
    EXPECT_EQ(LineHandText(grid.places, 9), "--------2C");
    TLineSheet sheet;
    sheet.Reset();
    EXPECT_EQ(sheet.Refresh(WildScoring), 0);
    sheet.Evaluate(grid.places);
    EXPECT_EQ(sheet.Lines[0].Category, OnePair);
    // Wild: pair 2 x 26, lone kings 13 + 13 in columns 0 and 1, the two 2 + 2.
    EXPECT_EQ(sheet.Refresh(WildScoring), 52 + 13 + 13 + 2 + 2);
    EXPECT_EQ(sheet.Lines[4].Score, 2);
    EXPECT_EQ(sheet.Refresh(EnglishScoring), 1);
    EXPECT_EQ(sheet.Refresh(AmericanScoring), 2);
    EXPECT_EQ(sheet.Refresh(7), sheet.Refresh(WildScoring)); // any other system is Wild
}

TEST(HandSheet, FillsInOrderAndRepricesEveryFilledSlot) {
    THandSheet sheet;
    sheet.Clear();
    EXPECT_TRUE(sheet.RecordHand(TwoPair, 30, 4));
    EXPECT_TRUE(sheet.RecordHand(NoHand, 40, 1));
    EXPECT_EQ(sheet.Slots[0].Category, TwoPair);
    EXPECT_TRUE(sheet.Slots[2].IsEmpty());
    EXPECT_EQ(sheet.Refresh(WildScoring), 3 * 30 * 4 + 40);
    EXPECT_EQ(sheet.Refresh(EnglishScoring), 3); // multipliers pay only under Wild
    EXPECT_EQ(sheet.Slots[1].Score, 0);
    EXPECT_EQ(sheet.Refresh(AmericanScoring), 5);
    for (int i = 2; i < HandSlotCount; ++i) {
        EXPECT_FALSE(sheet.IsFull());
        EXPECT_TRUE(sheet.RecordHand(OnePair, 10, 1));
    }
    EXPECT_TRUE(sheet.IsFull());
    EXPECT_FALSE(sheet.RecordHand(FourOfAKind, 20, 1));
    EXPECT_EQ(sheet.Slots[9].Category, OnePair);

    TGameContext context{};
    sheet.SaveTo(context, true);
    THandSheet back;
    back.RestoreFrom(context, true);
    EXPECT_EQ(back.Slots[0].Multiplier, 4);
    EXPECT_EQ(back.Slots[9].Category, OnePair);
    back.RestoreFrom(context, false); // a game without multipliers counts 1
    EXPECT_EQ(back.Slots[0].Multiplier, 1);
}

TEST(CashInChoices, OnlyCompleteLinesAreOfferedWithNameAndPoints) {
    Grid grid;
    const char* row[] = {"2C", "2D", "9H", "9S", "KC"};
    for (int k = 0; k < 4; ++k)
        grid.Put(k, row[k]);
    auto doubled = [](int) { return 2; };
    auto choices = UpdateCashInChoices(grid.places, WildScoring, doubled);
    for (const TCashInChoice& choice : choices) {
        EXPECT_FALSE(choice.Complete); // one place of row 0 is still empty
        EXPECT_TRUE(choice.Hint.empty());
    }
    grid.Put(4, row[4]);
    choices = UpdateCashInChoices(grid.places, EnglishScoring, doubled);
    EXPECT_TRUE(choices[0].Complete);
    EXPECT_EQ(choices[0].Hint, "Two Pair, 3");
    choices = UpdateCashInChoices(grid.places, WildScoring, doubled);
    EXPECT_EQ(choices[0].Points, 3 * (2 + 2 + 9 + 9 + 13) * 2);
    EXPECT_EQ(choices[0].Hint, "Two Pair, " + std::to_string(choices[0].Points));
    for (int line = 1; line < LineCount; ++line)
        EXPECT_FALSE(choices[line].Complete);
}

TEST(UndoPiles, AFreePlaceWritesOnlyItsCardNumber) {
    Grid grid;
    grid.Put(3, "QD");
    TSlotState slot{};
    SavePlace(slot, *grid.places[3], {false, false, PileMark::Blank});
    EXPECT_EQ(slot.CardNumber, 2 * 13 + 11);
    EXPECT_EQ(slot.Enabled, 0);
    EXPECT_EQ(slot.Style, 0);
    EXPECT_EQ(slot.FaceUp, 1);
    grid.places[3]->Empty(true);
    SavePlace(slot, *grid.places[3], {true, true, PileMark::Blank});
    EXPECT_EQ(slot.CardNumber, -1);
    EXPECT_EQ(slot.Enabled, 0); // left as the earlier save wrote it
    EXPECT_EQ(slot.FaceUp, 1);

    // The restore frames and enables a free place whatever the other bytes say.
    TPlaceFlags flags{false, false, PileMark::Blank};
    grid.Put(3, "AS");
    RestorePlace(slot, *grid.places[3], flags);
    EXPECT_EQ(grid.places[3]->GetCardCount(), 0);
    EXPECT_TRUE(flags.Enabled);
    EXPECT_TRUE(flags.IsBordered);
}

TEST(UndoPiles, AStockRoundTripsBottomFirstWithItsFaces) {
    TCardPile deck;
    deck.CreateAndShufflePile(1, 52);
    deck.CardAt(TCardPile::TopIndex)->FaceUp = true;
    TSlotState stock[52];
    SaveStock(stock, 52, deck, {true, false, PileMark::Empty});
    TCardPile copy;
    TPlaceFlags flags{false, false, PileMark::Empty};
    RestoreStock(stock, 52, copy, flags);
    ASSERT_EQ(copy.GetCardCount(), 52);
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(copy.CardAt(i)->Number, deck.CardAt(i)->Number);
        EXPECT_EQ(copy.CardAt(i)->FaceUp, i == 51);
    }
    EXPECT_TRUE(flags.Enabled);
    deck.Empty(true);
    SaveStock(stock, 52, deck, {true, false, PileMark::Empty});
    RestoreStock(stock, 52, copy, flags); // deletes the old cards
    EXPECT_EQ(copy.GetCardCount(), 0);
    EXPECT_FALSE(flags.Enabled); // an empty stock is disabled
}

TEST(WindowSizes, BaseSizesByGameCardSizeAndDensity) {
    EXPECT_EQ(GetBaseWindowSize(0, true, true), (TSize{556, 391}));
    EXPECT_EQ(GetBaseWindowSize(0, false, true), (TSize{692, 558}));
    EXPECT_EQ(GetBaseWindowSize(0, true, false), (TSize{626, 460}));
    EXPECT_EQ(GetBaseWindowSize(0, false, false), (TSize{762, 558}));
    EXPECT_EQ(GetBaseWindowSize(1, true, false), (TSize{626, 391}));
    EXPECT_EQ(GetBaseWindowSize(5, false, true), (TSize{699, 427}));
    EXPECT_EQ(GetBaseWindowSize(6, true, false), (TSize{625, 575}));
    EXPECT_THROW(GetBaseWindowSize(7, true, true), std::out_of_range);
    EXPECT_EQ(CardDimensions(0), (TSize{45, 63}));
    EXPECT_EQ(CardDimensions(1), (TSize{72, 100}));
    EXPECT_EQ(CardDimensions(5), (TSize{72, 100}));
}

TEST(GridLayout, PokerSquaresAtItsBaseSizes) {
    struct Case {
        TSize client;
        TSize card;
        int g, v;
        TRect panel;
        int deckWidth;
    };
    const Case cases[] = {
        {{556, 391}, {45, 63}, 6, 12, {263, 106, 285, 277}, 237},
        {{692, 558}, {72, 100}, 6, 9, {399, 273, 285, 277}, 264},
    };
    for (const Case& c : cases) {
        TGridLayoutInput in;
        in.ClientWidth = c.client.Width;
        in.ClientHeight = c.client.Height;
        in.WindowHeight = c.client.Height + 30;
        in.Panel = {285, 277};
        in.Card = c.card;
        const TGridLayout layout = LayOutGrid(in);
        EXPECT_EQ(layout.Panel, c.panel);
        EXPECT_EQ(layout.Deck, (TRect{c.panel.Left, c.v, c.deckWidth, c.card.Height}));
        for (int place = 0; place < GridPlaces; ++place) {
            const int r = place / 5, k = place % 5;
            EXPECT_EQ(layout.Cells[place],
                      (TRect{c.g + k * (c.card.Width + c.g), c.v + r * (c.card.Height + c.v),
                             c.card.Width, c.card.Height}));
        }
        // The grid stays clear of the deck and the panel.
        EXPECT_LE(layout.Cells[4].Left + layout.Cells[4].Width, layout.Deck.Left);
    }
}

TEST(GridLayout, DeckGoesToTheTopOnlyForSmallCardsInALowWindowAtAnotherDensity) {
    TGridLayoutInput in;
    in.ClientWidth = 626;
    in.ClientHeight = 470;
    in.Panel = {285, 277};
    in.Card = {45, 63};
    in.At96Dpi = false;
    in.WindowHeight = 500;
    EXPECT_EQ(LayOutGrid(in).Deck.Top, 8);
    in.WindowHeight = 525;
    EXPECT_EQ(LayOutGrid(in).Deck.Top, LayOutGrid(in).Cells[0].Top);
    in.WindowHeight = 500;
    in.At96Dpi = true;
    EXPECT_EQ(LayOutGrid(in).Deck.Top, LayOutGrid(in).Cells[0].Top);
    in.At96Dpi = false;
    in.Card = {72, 100};
    EXPECT_EQ(LayOutGrid(in).Deck.Top, LayOutGrid(in).Cells[0].Top);
    // The deck fans 52 cards in the cash-in games.
    in.DeckFactor = DeckWidthFactor(2);
    in.DeckXOffset = 4.0f;
    EXPECT_EQ(LayOutGrid(in).Deck.Width, 280);
}

} // namespace
