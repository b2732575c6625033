#include "context.h"
#include "pokercalc.h"
#include "pokersquares.h"
#include "recordingoutside.h"
#include "scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

class PokerSquares : public ::testing::Test {
protected:
    RecordingOutside outside;
    TPokerSquaresGame game{outside};

    std::string Top() const { return game.Deck().CardAt(TCardPile::TopIndex)->Name; }
    std::string CellCard(int cell) const { return game.Place(cell).CardAt(0)->Name; }
    void FillGrid() {
        for (int cell = 0; cell < GridPlaces; ++cell)
            game.TableauClick(cell);
    }
};

// The first card of the deal offered at index 24 is a king for this hand.
int HandStartingWithAKing() {
    for (int hand = 0;; ++hand) {
        TCardPile pile;
        pile.CreateAndShufflePile(hand, 52);
        const bool king = pile.CardAt(24)->Value == FS_KING;
        pile.Empty(true);
        if (king)
            return hand;
    }
}

TEST_F(PokerSquares, HandOneOffersItsCardsFromDealPositionTwentyFourDown) {
    game.DealHand(1);
    EXPECT_EQ(game.HandNumber(), 1);
    EXPECT_EQ(game.Deck().GetCardCount(), 25);
    EXPECT_EQ(game.DeckHint(), "The deck contains 25 cards");
    std::vector<std::string> offered;
    for (int cell = 0; cell < GridPlaces; ++cell) {
        // Only the card on offer shows its face.
        for (int i = 0; i + 1 < game.Deck().GetCardCount(); ++i)
            ASSERT_FALSE(game.Deck().CardAt(i)->FaceUp);
        ASSERT_TRUE(game.Deck().CardAt(TCardPile::TopIndex)->FaceUp);
        offered.push_back(Top());
        game.TableauClick(cell);
        EXPECT_EQ(CellCard(cell), offered.back());
        EXPECT_FALSE(game.IsFree(cell));
        EXPECT_FALSE(game.PlaceFlags(cell).IsBordered);
    }
    const std::vector<std::string> first{"8S", "JS", "8D", "2H", "TS"};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), offered.begin()));
    // Positions 9 down to 0 come last.
    const std::vector<std::string> last{"TH", "3S", "KH", "2C", "8C", "3D", "QS", "AH", "5D", "AC"};
    EXPECT_TRUE(std::equal(last.begin(), last.end(), offered.end() - 10));
    EXPECT_EQ(game.MoveCount, 25);
    EXPECT_FALSE(game.HandInProgress());
    EXPECT_EQ(game.DeckHint(), "The deck contains 0 cards");
}

TEST_F(PokerSquares, DeckHintSaysCardForTheLastOne) {
    game.DealHand(1);
    for (int cell = 0; cell < 24; ++cell)
        game.TableauClick(cell);
    EXPECT_EQ(game.DeckHint(), "The deck contains 1 card");
}

TEST_F(PokerSquares, AFreshDealScoresNothingAndALoneKingScoresThirteenUnderWild) {
    game.DealHand(HandStartingWithAKing());
    for (const TLineScore& line : game.Lines.Lines) {
        EXPECT_EQ(HandNames[line.Category], "None");
        EXPECT_EQ(line.Score, 0);
    }
    EXPECT_EQ(game.TotalScore, 0);
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_FALSE(outside.undoAvailable);

    game.TableauClick(12); // row 2 and column 2
    EXPECT_EQ(game.Lines.Lines[2].Score, 13);
    EXPECT_EQ(game.Lines.Lines[7].Score, 13);
    EXPECT_EQ(game.TotalScore, 26);
    game.ScoreSystem = EnglishScoring;
    game.Rescore();
    EXPECT_EQ(game.TotalScore, 0);
}

TEST_F(PokerSquares, TwoCardsOfOneValueMakeAPairBeforeTheRowIsFull) {
    game.DealHand(1); // 8S, JS, 8D, ...
    game.TableauClick(0);
    game.TableauClick(5);
    game.TableauClick(1);
    EXPECT_EQ(HandNames[game.Lines.Lines[0].Category], "One Pair");
    EXPECT_EQ(HandNames[game.Lines.Lines[1].Category], "None");
    // Wild: a pair pays 2 x card total (8 + 8); the single jack 11; columns 8, 11 and 8.
    EXPECT_EQ(game.Lines.Lines[0].Score, 32);
    EXPECT_EQ(game.TotalScore, 32 + 11 + 8 + 11 + 8);
    game.ScoreSystem = AmericanScoring;
    game.Rescore();
    EXPECT_EQ(game.TotalScore, 2);
}

TEST_F(PokerSquares, ClicksOnAClosedCellDoNothing) {
    game.DealHand(1);
    game.TableauClick(3);
    const std::string next = Top();
    game.TableauClick(3);
    game.TableauClick(-1);
    game.TableauClick(25);
    EXPECT_EQ(game.MoveCount, 1);
    EXPECT_EQ(Top(), next);
    EXPECT_EQ(game.Place(3).GetCardCount(), 1);
}

// Each way of leaving a hand, and what it asks and records.
TEST_F(PokerSquares, EveryHandLeftIsRecordedExactlyOnce) {
    struct Case {
        const char* name;
        int moves;      // cards placed before leaving
        bool byClosing; // leave by closing the window, else New Hand
        bool answer;    // the player's answer, if asked
        bool asks;      // a question is expected
        bool records;   // one result is expected
    };
    const Case cases[] = {
        {"new hand after a fresh deal", 0, false, true, false, true},
        {"new hand after the 25th card", 25, false, true, false, true},
        {"new hand mid-hand, No", 3, false, false, true, false},
        {"new hand mid-hand, Yes", 3, false, true, true, true},
        {"close after a fresh deal", 0, true, true, false, false},
        {"close after the 25th card", 25, true, true, false, true},
        {"close mid-hand, No", 3, true, false, true, false},
        {"close mid-hand, Yes", 3, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingOutside world;
        TPokerSquaresGame squares(world);
        squares.DealHand(7);
        for (int cell = 0; cell < c.moves; ++cell)
            squares.TableauClick(cell);
        const int score = squares.TotalScore;
        world.answer = c.answer;
        if (c.byClosing) {
            const bool closes = squares.CloseQuery();
            EXPECT_EQ(closes, !c.asks || c.answer);
            if (closes)
                squares.Close();
        } else {
            EXPECT_EQ(squares.StartNewHand(NewRandomHand), !c.asks || c.answer);
        }
        ASSERT_EQ(world.questions.size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_EQ(world.questions[0],
                      c.byClosing
                          ? "Are you sure you want to abandon this hand and exit this game?"
                          : "Are you sure you want to abandon this hand and deal a new one?");
        }
        ASSERT_EQ(world.results.size(), c.records ? 1u : 0u);
        if (c.records) {
            EXPECT_EQ(world.results[0], std::make_pair(PokerSquaresGame, score));
        }
        if (!c.records && c.asks) {
            // No leaves the hand exactly as it was.
            EXPECT_EQ(squares.MoveCount, c.moves);
            EXPECT_EQ(squares.HandNumber(), 7);
        }
        // Closing once more (the window going away) records nothing further.
        if (c.byClosing && c.answer) {
            squares.Close();
            EXPECT_EQ(world.results.size(), c.records ? 1u : 0u);
        }
    }
}

TEST_F(PokerSquares, NewHandShrinksTheDeckCardByCardAndDealsAFreshNumber) {
    game.DealHand(5);
    game.TableauClick(0);
    outside.pileNews.clear();
    game.StartNewHand(NewRandomHand);
    const long deckNews =
        std::count(outside.pileNews.begin(), outside.pileNews.end(), DeckPileNumber);
    EXPECT_GE(deckNews, 24); // one repaint per card taken off, then the deal's
    EXPECT_NE(game.HandNumber(), 5);
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_EQ(game.Deck().GetCardCount(), 25);
    for (int cell = 0; cell < GridPlaces; ++cell) {
        EXPECT_EQ(game.Place(cell).GetCardCount(), 0);
        EXPECT_TRUE(game.IsFree(cell));
        EXPECT_TRUE(game.PlaceFlags(cell).IsBordered);
    }
}

TEST_F(PokerSquares, RedealDealsTheSameCards) {
    game.DealHand(NewRandomHand);
    const int hand = game.HandNumber();
    std::vector<std::string> first;
    for (int i = 0; i < 25; ++i)
        first.push_back(game.Deck().CardAt(i)->Name);
    game.TableauClick(0);
    game.StartNewHand(SameHandAgain);
    EXPECT_EQ(game.HandNumber(), hand);
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(game.Deck().CardAt(i)->Name, first[i]);
}

TEST_F(PokerSquares, UndoAfterTheFirstPlacementReturnsToTheDeal) {
    game.DealHand(1);
    game.TableauClick(6);
    EXPECT_TRUE(game.UndoEnabled());
    EXPECT_TRUE(outside.undoAvailable);
    outside.sounds.clear();
    game.Undo();
    EXPECT_EQ(outside.sounds, std::vector<GameSound>{GameSound::Undo});
    EXPECT_EQ(game.Deck().GetCardCount(), 25);
    EXPECT_EQ(Top(), "8S");
    EXPECT_TRUE(game.Deck().CardAt(TCardPile::TopIndex)->FaceUp);
    EXPECT_FALSE(game.Deck().CardAt(23)->FaceUp);
    EXPECT_EQ(game.Place(6).GetCardCount(), 0);
    EXPECT_TRUE(game.IsFree(6));
    EXPECT_TRUE(game.PlaceFlags(6).IsBordered);
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_EQ(game.TotalScore, 0);
    EXPECT_FALSE(game.UndoEnabled());
    EXPECT_FALSE(outside.undoAvailable);
}

TEST_F(PokerSquares, DeckPressesArmTheDragOnlyForTheTopCard) {
    game.DealHand(1);
    const TCard* top = game.Deck().CardAt(TCardPile::TopIndex);
    const TCard* below = game.Deck().CardAt(10);
    outside.sounds.clear();
    EXPECT_FALSE(game.DeckMouseDown(true, below));
    EXPECT_FALSE(game.DeckMouseDown(false, top)); // another button
    EXPECT_FALSE(game.DeckMouseDown(true, nullptr));
    EXPECT_TRUE(outside.sounds.empty());
    EXPECT_EQ(game.HandNumber(), 1); // nothing dealt while cards remain
    EXPECT_TRUE(game.DeckMouseDown(true, top));
    EXPECT_EQ(outside.sounds, std::vector<GameSound>{GameSound::CardUp});
}

TEST_F(PokerSquares, ADragDeliveredToACellPlacesTheCardAndOneReturnedCountsNothing) {
    game.DealHand(1);
    // What the pile view does: lift the top card, then deliver it or put it back.
    TCard* lifted = game.Deck().CardAt(TCardPile::TopIndex);
    game.Deck().RemoveCard(lifted);
    game.Deck().AddCard(lifted);
    game.DeckEndDrag(-1);
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_EQ(Top(), "8S");
    EXPECT_TRUE(game.Deck().CardAt(TCardPile::TopIndex)->FaceUp);
    EXPECT_FALSE(game.Deck().CardAt(23)->FaceUp);

    ASSERT_TRUE(game.TableauAccepts(17));
    game.Deck().RemoveCard(lifted);
    game.Place(17).AddCard(lifted);
    game.DeckEndDrag(17);
    EXPECT_EQ(game.MoveCount, 1);
    EXPECT_EQ(CellCard(17), "8S");
    EXPECT_FALSE(game.TableauAccepts(17));
    EXPECT_EQ(Top(), "JS");
    EXPECT_TRUE(game.Deck().CardAt(TCardPile::TopIndex)->FaceUp);
    EXPECT_TRUE(game.UndoEnabled());
}

TEST_F(PokerSquares, APressOnTheEmptyDeckDealsANewHandAndRecordsTheFinishedOne) {
    game.DealHand(3);
    FillGrid();
    const int score = game.TotalScore;
    game.DeckMouseDown(true, nullptr);
    ASSERT_EQ(outside.results.size(), 1u);
    EXPECT_EQ(outside.results[0].second, score);
    EXPECT_TRUE(outside.questions.empty());
    EXPECT_EQ(game.Deck().GetCardCount(), 25);
    EXPECT_EQ(game.MoveCount, 0);
    EXPECT_NE(game.HandNumber(), 3);
}

// One whole position, told apart card by card and flag by flag.
std::string Position(const TPokerSquaresGame& g) {
    std::string text;
    auto pile = [&text](const TCardPile& p) {
        for (const TCard* c : p.Cards)
            text += c->Name + (c->FaceUp ? "+" : "-");
        text += '|';
    };
    for (int cell = 0; cell < GridPlaces; ++cell) {
        pile(g.Place(cell));
        text += g.PlaceFlags(cell).Enabled ? 'E' : 'e';
        text += g.PlaceFlags(cell).IsBordered ? 'B' : 'b';
    }
    pile(g.Deck());
    for (const TLineScore& line : g.Lines.Lines)
        text += std::to_string(line.Category) + "/" + std::to_string(line.CardTotal) + "/" +
                std::to_string(line.Score) + " ";
    text += std::to_string(g.MoveCount) + " " + std::to_string(g.TotalScore) + " " +
            std::to_string(g.HandNumber());
    return text;
}

// The position reached by dealing the hand afresh and placing the cards in
// the cells given.  Only one game plays at a time (the undo history is a single
// record), so the history of the game under test is put aside meanwhile.
std::string Replay(int hand, const std::vector<int>& cells) {
    const auto history = std::make_unique<TUndoHistory>(UndoHistory);
    const TGameContext context = GameContext;
    RecordingOutside quiet;
    std::string position;
    {
        TPokerSquaresGame replay(quiet);
        replay.DealHand(hand);
        for (int cell : cells)
            replay.TableauClick(cell);
        position = Position(replay);
    }
    UndoHistory = *history;
    GameContext = context;
    return position;
}

TEST_F(PokerSquares, RandomGamesWithUndoMatchAFreshReplay) {
    std::mt19937 random(20240611);
    int moves = 0;
    while (moves < 150) {
        const int hand = static_cast<int>(random() % 32767);
        game.StartNewHand(hand);
        std::vector<int> played; // cells, in the order the cards went there
        while (game.HandInProgress() && moves < 150) {
            std::vector<int> free;
            for (int cell = 0; cell < GridPlaces; ++cell)
                if (game.IsFree(cell))
                    free.push_back(cell);
            const int cell = free[random() % free.size()];
            game.TableauClick(cell);
            played.push_back(cell);
            ++moves;
            if (random() % 3 == 0) {
                game.Undo();
                played.pop_back();
                ASSERT_EQ(Position(game), Replay(hand, played)) << "after " << moves << " moves";
                ASSERT_EQ(game.UndoEnabled(), !played.empty());
            }
        }
    }
}

} // namespace
