// Thousands of seeded random games of every game, with random undos, new
// hands and redeals.  After each step: no card lost or duplicated, the total
// is the sum of the score sheet, and an undo gives back exactly the position
// before the move.  A game joins the soak with a driver and one table row.
#include "pokersquares.h"
#include "recordingoutside.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// What the soak needs of a game beyond TGame.
class SoakDriver {
public:
    virtual ~SoakDriver() = default;
    virtual TGame& Game() = 0;
    // How many different moves the player has now (0: none, the hand is over).
    virtual int MoveChoices() = 0;
    // Makes move number choice (0 .. MoveChoices() - 1).
    virtual void Play(int choice) = 0;
    // How many cards the game should hold in its piles now.
    virtual int CardsInPlay() = 0;
    // The score sheet as text, and the sum of its entries.
    virtual std::string ScoreSheet() = 0;
    virtual int ScoreSheetSum() = 0;
};

class PokerSquaresDriver : public SoakDriver {
public:
    explicit PokerSquaresDriver(TGameOutside& outside) : game_(outside) {}
    TGame& Game() override { return game_; }
    int MoveChoices() override { return static_cast<int>(FreeCells().size()); }
    void Play(int choice) override {
        const int cell = FreeCells()[choice];
        if (choice % 2 == 0) {
            game_.TableauClick(cell);
            return;
        }
        // The other half of the moves go the way the deck view drags.
        TCard* top = game_.Deck().CardAt(TCardPile::TopIndex);
        ASSERT_TRUE(game_.DeckMouseDown(true, top));
        ASSERT_TRUE(game_.TableauAccepts(cell));
        game_.Deck().RemoveCard(top);
        game_.Place(cell).AddCard(top);
        game_.DeckEndDrag(cell);
    }
    int CardsInPlay() override { return GridPlaces; }
    std::string ScoreSheet() override {
        std::string text;
        for (const TLineScore& line : game_.Lines.Lines)
            text += std::to_string(line.Category) + "/" + std::to_string(line.CardTotal) + "/" +
                    std::to_string(line.Score) + " ";
        return text;
    }
    int ScoreSheetSum() override {
        int sum = 0;
        for (const TLineScore& line : game_.Lines.Lines)
            sum += line.Score;
        return sum;
    }

private:
    std::vector<int> FreeCells() const {
        std::vector<int> free;
        for (int cell = 0; cell < GridPlaces; ++cell)
            if (game_.IsFree(cell))
                free.push_back(cell);
        return free;
    }
    TPokerSquaresGame game_;
};

struct SoakedGame {
    const char* name;
    std::function<std::unique_ptr<SoakDriver>(TGameOutside&)> make;
    int games; // how many hands to play
};

const SoakedGame soakedGames[] = {
    {"PokerSquares", [](TGameOutside& o) { return std::make_unique<PokerSquaresDriver>(o); }, 3000},
};

void PrintTo(const SoakedGame& soaked, std::ostream* out) {
    *out << soaked.name;
}

std::string Position(SoakDriver& driver) {
    TGame& game = driver.Game();
    std::string text;
    auto pile = [&text](const TCardPile& p, const TPlaceFlags& f) {
        for (const TCard* c : p.Cards)
            text += c->Name + (c->FaceUp ? "+" : "-");
        text += f.Enabled ? 'E' : 'e';
        text += f.IsBordered ? 'B' : 'b';
        text += static_cast<char>('0' + static_cast<int>(f.State));
        text += '|';
    };
    for (int place = 0; place < game.PlaceCount(); ++place)
        pile(game.Place(place), game.PlaceFlags(place));
    pile(game.Deck(), game.DeckFlags());
    return text + driver.ScoreSheet() + std::to_string(game.MoveCount) + " " +
           std::to_string(game.TotalScore) + " " + std::to_string(game.HandNumber());
}

void CheckCards(SoakDriver& driver) {
    TGame& game = driver.Game();
    std::set<const TCard*> seen;
    std::multiset<int> numbers;
    auto count = [&](const TCardPile& p) {
        for (const TCard* c : p.Cards) {
            ASSERT_TRUE(seen.insert(c).second) << "card " << c->Name << " lies twice";
            numbers.insert(c->Number);
        }
    };
    for (int place = 0; place < game.PlaceCount(); ++place)
        count(game.Place(place));
    count(game.Deck());
    ASSERT_EQ(static_cast<int>(seen.size()), driver.CardsInPlay());
    for (int n : numbers)
        ASSERT_EQ(numbers.count(n), 1u) << "two cards numbered " << n;
    ASSERT_EQ(game.TotalScore, driver.ScoreSheetSum());
}

class Soak : public ::testing::TestWithParam<SoakedGame> {};

TEST_P(Soak, RandomGamesKeepEveryCardAndUndoExactly) {
    const SoakedGame& soaked = GetParam();
    std::mt19937 random(77);
    RecordingOutside outside;
    const auto driver = soaked.make(outside);
    TGame& game = driver->Game();
    game.DealHand(NewRandomHand);
    for (int played = 0; played < soaked.games; ++played) {
        outside.answer = random() % 2 == 0;
        const int hand = static_cast<int>(random() % 32767);
        if (random() % 8 == 0)
            game.StartNewHand(SameHandAgain);
        else
            game.StartNewHand(hand);
        CheckCards(*driver);
        if (::testing::Test::HasFatalFailure())
            return;
        while (int choices = driver->MoveChoices()) {
            const int choice = static_cast<int>(random() % static_cast<unsigned>(choices));
            const std::string before = Position(*driver);
            driver->Play(choice);
            CheckCards(*driver);
            if (::testing::Test::HasFatalFailure())
                return;
            if (random() % 4 == 0) {
                game.Undo();
                ASSERT_EQ(Position(*driver), before)
                    << soaked.name << " hand " << game.HandNumber();
                CheckCards(*driver);
                driver->Play(choice);
            }
            // Now and then the player walks away mid-hand.
            if (random() % 64 == 0)
                break;
        }
    }
    outside.answer = true;
    ASSERT_TRUE(game.CloseQuery());
    game.Close();
}

INSTANTIATE_TEST_SUITE_P(EveryGame, Soak, ::testing::ValuesIn(soakedGames),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
