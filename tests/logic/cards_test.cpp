#include "cardpile.h"
#include "dealrandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A pile that deletes what it holds when the test ends.
struct OwningPile : TCardPile {
    ~OwningPile() override { Empty(true); }
};

std::vector<std::string> Names(const TCardPile& pile, int from, int to) {
    std::vector<std::string> names;
    for (int i = from; i <= to; ++i)
        names.push_back(pile.CardAt(i)->Name);
    return names;
}

TEST(Card, ConstructorsNameNumberAndFace) {
    const TCard plain;
    EXPECT_EQ(plain.Name, "AC");
    EXPECT_EQ(plain.Number, 0);
    EXPECT_FALSE(plain.FaceUp);

    const TCard king(FS_SPADES, FS_KING);
    EXPECT_EQ(king.Name, "KS");
    EXPECT_EQ(king.Number, 25);
    EXPECT_FALSE(king.FaceUp);

    EXPECT_TRUE(TCard(FS_HEARTS, FS_TEN, 7).FaceUp);
    EXPECT_FALSE(TCard(FS_HEARTS, FS_TEN, 0).FaceUp);
    EXPECT_EQ(TCard(FS_HEARTS, FS_TEN, 1).Name, "TH");

    // Every number names its own card, and the number round-trips.
    std::set<std::string> names;
    for (int n = 0; n < 52; ++n) {
        TCard card(n);
        EXPECT_EQ(card.Number, n);
        EXPECT_EQ(card.Suit * 13 + card.Value, n);
        EXPECT_EQ(card.Name, ValueLetters[card.Value] + SuitLetters[card.Suit]);
        EXPECT_EQ(card.GetCardColor(), n < 26 ? FS_BLACK : FS_RED);
        EXPECT_EQ(card.Color, card.GetCardColor());
        names.insert(card.Name);
    }
    EXPECT_EQ(names.size(), 52u);
}

TEST(Card, FlipTogglesFace) {
    TCard card(FS_DIAMONDS, FS_TWO);
    card.Flip();
    EXPECT_TRUE(card.FaceUp);
    card.Flip();
    EXPECT_FALSE(card.FaceUp);
}

TEST(Card, NumbersOutsideTheDeckAreRejected) {
    for (int n : {-1, 52, 53, 1000})
        EXPECT_THROW(TCard{n}, std::out_of_range) << n;
    EXPECT_THROW(TCard(4, 0), std::out_of_range);
    EXPECT_THROW(TCard(0, 13), std::out_of_range);
    EXPECT_THROW(TCard(-1, 0, 1), std::out_of_range);
}

TEST(CardPile, TopIndexAndOrdering) {
    OwningPile pile;
    EXPECT_EQ(pile.CardAt(TCardPile::TopIndex), nullptr);
    EXPECT_EQ(pile.CardAt(5), nullptr); // any index on an empty pile
    auto* ace = new TCard(0);
    pile.InsertCard(ace, TCardPile::TopIndex);
    EXPECT_EQ(pile.CardAt(TCardPile::TopIndex), ace);
    auto* two = new TCard(1);
    pile.AddCard(two);
    auto* three = new TCard(2);
    pile.InsertCard(three, 0);
    EXPECT_EQ(Names(pile, 0, 2), (std::vector<std::string>{"3C", "AC", "2C"}));
    EXPECT_EQ(pile.CardIndex(ace), 1);
    EXPECT_EQ(pile.GetCardCount(), 3);
    EXPECT_EQ(pile.CardCount, 3);

    TCard stranger(5);
    EXPECT_EQ(pile.CardIndex(&stranger), -1);
    pile.RemoveCard(&stranger); // ignored
    pile.RemoveCard(ace);
    EXPECT_EQ(Names(pile, 0, 1), (std::vector<std::string>{"3C", "2C"}));
    delete ace;
}

TEST(CardPile, OutOfRangeIndexesRaise) {
    OwningPile pile;
    pile.AddCard(new TCard(0));
    EXPECT_THROW(pile.CardAt(1), std::out_of_range);
    EXPECT_THROW(pile.CardAt(-1), std::out_of_range);
    TCard card(3);
    EXPECT_THROW(pile.InsertCard(&card, 2), std::out_of_range);
    EXPECT_THROW(pile.InsertCard(&card, -1), std::out_of_range);
    OwningPile other;
    EXPECT_THROW(pile.InsertPile(other, 5), std::out_of_range);
    pile.InsertCard(&card, 1); // just above the top is still inside
    EXPECT_EQ(pile.CardAt(TCardPile::TopIndex), &card);
    pile.RemoveCard(&card);
}

TEST(CardPile, InsertPileReversesAtAnIndexButNotOnTop) {
    TCardPile source;
    source.CreateAndShufflePile(7, 3);
    const std::vector<std::string> order = Names(source, 0, 2);

    OwningPile base;
    base.AddCard(new TCard(51));
    TCardPile onTop;
    onTop.AddCard(base.CardAt(0));
    onTop.AddPile(source);
    EXPECT_EQ(Names(onTop, 1, 3), order);

    TCardPile inserted;
    inserted.AddCard(base.CardAt(0));
    inserted.InsertPile(source, 0);
    EXPECT_EQ(Names(inserted, 0, 3),
              (std::vector<std::string>{order[2], order[1], order[0], "KH"}));

    TCardPile copy;
    source.CopyPileTo(copy);
    EXPECT_EQ(Names(copy, 0, 2), order);
    EXPECT_EQ(source.GetCardCount(), 3); // the source is not changed

    // A pile inserted into itself doubles without reading freed memory.
    TCardPile self;
    source.CopyPileTo(self);
    self.InsertPile(self, 0);
    EXPECT_EQ(self.GetCardCount(), 6);
    source.Empty(true);
}

TEST(CardPile, FlipReversesAndTurnsEveryCard) {
    OwningPile pile;
    pile.AddCard(new TCard(FS_CLUBS, FS_ACE, 0));
    pile.AddCard(new TCard(FS_CLUBS, FS_TWO, 1));
    pile.Flip();
    EXPECT_EQ(pile.CardAt(0)->Name, "2C");
    EXPECT_FALSE(pile.CardAt(0)->FaceUp);
    EXPECT_EQ(pile.CardAt(1)->Name, "AC");
    EXPECT_TRUE(pile.CardAt(1)->FaceUp);
}

TEST(CardPile, EmptyWithoutDeletingLeavesCardsAlive) {
    OwningPile owner;
    owner.CreateAndShufflePile(3, 52);
    TCardPile view;
    owner.CopyPileTo(view);
    view.Empty(false);
    EXPECT_EQ(view.GetCardCount(), 0);
    EXPECT_EQ(owner.GetCardCount(), 52);
    EXPECT_EQ(owner.CardAt(TCardPile::TopIndex)->Number, owner.Cards.back()->Number);
    // The owner's Empty(true) at the end deletes them; the sanitizer build
    // reports any card left over.
}

TEST(CardPile, AddDeckIsValueMajor) {
    OwningPile pile;
    pile.AddDeck();
    ASSERT_EQ(pile.GetCardCount(), 52);
    EXPECT_EQ(Names(pile, 0, 5), (std::vector<std::string>{"AC", "AS", "AD", "AH", "2C", "2S"}));
    EXPECT_EQ(pile.CardAt(TCardPile::TopIndex)->Name, "KH");
    pile.Shuffle();
    std::set<int> numbers;
    for (const TCard* card : pile.Cards)
        numbers.insert(card->Number);
    EXPECT_EQ(numbers.size(), 52u);
}

TEST(DealRandom, GeneratorSteps) {
    DealRandom::Seed(1);
    const std::uint64_t s = 1ULL * 0x0000015A00004E35ULL + 1;
    EXPECT_EQ(DealRandom::Next(), static_cast<std::int32_t>((s >> 32) & 0x7FFFFFFF));
    EXPECT_EQ(DealRandom::State(), s);
    const std::uint64_t before = DealRandom::State();
    EXPECT_EQ(DealRandom::Random(0), 0);
    EXPECT_EQ(DealRandom::State(), before);
    // The short step moves only the low half.
    DealRandom::Seed(0);
    EXPECT_EQ(DealRandom::ShortStep(), 0); // low half becomes 1: (1 >> 16) & 0x7FFF
    EXPECT_EQ(DealRandom::State(), 1u);
    EXPECT_EQ(DealRandom::ShortStep(), static_cast<std::int32_t>((0x015A4E36u >> 16) & 0x7FFF));
}

struct KnownDeal {
    int hand;
    int from;
    std::vector<std::string> names;
};

TEST(NumberedDeal, KnownHands) {
    const std::vector<KnownDeal> deals = {
        {1, 0, {"AC", "5D", "AH", "QS", "3D", "8C", "2C", "KH", "3S", "TH"}},
        {1, 20, {"TS", "2H", "8D", "JS", "8S"}},
        {1, 47, {"KS", "2D", "4S", "9S", "5H"}},
        {0, 0, {"4S", "3D", "KS", "8C", "6S"}},
        {0, 24, {"QS"}},
        {0, 51, {"TC"}},
        {32766, 0, {"KS", "QH", "9H", "JH", "7D"}},
        {32766, 24, {"5S"}},
        {32766, 51, {"3C"}},
    };
    for (const KnownDeal& deal : deals) {
        OwningPile pile;
        pile.CreateAndShufflePile(deal.hand, 52);
        EXPECT_EQ(pile.HandNumber, deal.hand);
        EXPECT_EQ(Names(pile, deal.from, deal.from + static_cast<int>(deal.names.size()) - 1),
                  deal.names)
            << "hand " << deal.hand << " from " << deal.from;
        for (const TCard* card : pile.Cards)
            EXPECT_FALSE(card->FaceUp);
    }
}

TEST(NumberedDeal, EveryHandNumberDealsAPermutation) {
    TCardPile pile;
    for (int hand = 0; hand <= 32766; ++hand) {
        pile.CreateAndShufflePile(hand, 52);
        std::uint64_t seen = 0;
        for (const TCard* card : pile.Cards)
            seen |= 1ULL << card->Number;
        ASSERT_EQ(seen, (1ULL << 52) - 1) << "hand " << hand;
        pile.Empty(true);
    }
}

TEST(NumberedDeal, RepeatsNewNumbersAndStacking) {
    OwningPile a;
    OwningPile b;
    a.CreateAndShufflePile(1234, 52);
    b.CreateAndShufflePile(1234, 52);
    EXPECT_EQ(Names(a, 0, 51), Names(b, 0, 51));

    // -1 deals the current number again; the earlier cards stay at the bottom.
    a.CreateAndShufflePile(-1, 52);
    EXPECT_EQ(a.GetCardCount(), 104);
    EXPECT_EQ(a.HandNumber, 1234);
    EXPECT_EQ(Names(a, 52, 103), Names(b, 0, 51));

    // -2 never deals the number in play (0 on a fresh pile).
    for (int i = 0; i < 200; ++i) {
        OwningPile fresh;
        fresh.CreateAndShufflePile(-2, 0);
        EXPECT_NE(fresh.HandNumber, 0);
        const int previous = fresh.HandNumber;
        fresh.CreateAndShufflePile(-2, 0);
        EXPECT_NE(fresh.HandNumber, previous);
        EXPECT_GE(fresh.HandNumber, 0);
        EXPECT_LE(fresh.HandNumber, 32766);
    }

    // A short deal (the options window's sample of three) is a subset of 0..count-1.
    OwningPile sample;
    sample.CreateAndShufflePile(-2, 3);
    ASSERT_EQ(sample.GetCardCount(), 3);
    for (const TCard* card : sample.Cards)
        EXPECT_LT(card->Number, 3);

    // Any other number, negative ones included, is used as it stands.
    OwningPile odd;
    odd.CreateAndShufflePile(-7, 52);
    EXPECT_EQ(odd.HandNumber, -7);
}

TEST(NumberedDeal, CountsBeyondTheDeckAreRejected) {
    OwningPile pile;
    EXPECT_THROW(pile.CreateAndShufflePile(1, 53), std::invalid_argument);
    EXPECT_THROW(pile.CreateAndShufflePile(1, -1), std::invalid_argument);
    EXPECT_EQ(pile.GetCardCount(), 0);
}

} // namespace
