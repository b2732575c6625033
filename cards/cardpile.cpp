#include "cardpile.h"

#include "dealrandom.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

TCardPile::TCardPile(const void*) {
    DealRandom::SeedFromClock();
}

void TCardPile::AddCard(TCard* card) {
    Cards.push_back(card);
}

void TCardPile::CheckInsertIndex(int index) const {
    if (index < 0 || index > static_cast<int>(Cards.size()))
        throw std::out_of_range("pile index " + std::to_string(index) + " out of range 0.." +
                                std::to_string(Cards.size()));
}

void TCardPile::InsertCard(TCard* card, int index) {
    if (index == TopIndex) {
        AddCard(card);
        return;
    }
    CheckInsertIndex(index);
    Cards.insert(Cards.begin() + index, card);
}

void TCardPile::AddPile(const TCardPile& other) {
    InsertPile(other, TopIndex);
}

void TCardPile::InsertPile(const TCardPile& other, int index) {
    // Taken as a copy first, so that a pile may be inserted into itself.
    const std::vector<TCard*> incoming = other.Cards;
    if (index == TopIndex) {
        Cards.insert(Cards.end(), incoming.begin(), incoming.end());
        return;
    }
    CheckInsertIndex(index);
    // Each card goes in at the same index, so the run ends up reversed.
    for (TCard* card : incoming)
        Cards.insert(Cards.begin() + index, card);
}

void TCardPile::CopyPileTo(TCardPile& destination) const {
    destination.AddPile(*this);
}

void TCardPile::RemoveCard(const TCard* card) {
    auto it = std::find(Cards.begin(), Cards.end(), card);
    if (it != Cards.end())
        Cards.erase(it);
}

TCard* TCardPile::CardAt(int index) const {
    if (Cards.empty())
        return nullptr;
    if (index == TopIndex)
        return Cards.back();
    if (index < 0 || index >= static_cast<int>(Cards.size()))
        throw std::out_of_range("pile index " + std::to_string(index) + " out of range 0.." +
                                std::to_string(Cards.size() - 1));
    return Cards[static_cast<std::size_t>(index)];
}

int TCardPile::CardIndex(const TCard* card) const {
    auto it = std::find(Cards.begin(), Cards.end(), card);
    return it == Cards.end() ? -1 : static_cast<int>(it - Cards.begin());
}

int TCardPile::GetCardCount() {
    CardCount = static_cast<std::int32_t>(Cards.size());
    return CardCount;
}

void TCardPile::Empty(bool deleteCards) {
    if (deleteCards) {
        for (auto it = Cards.rbegin(); it != Cards.rend(); ++it)
            delete *it;
    }
    Cards.clear();
}

void TCardPile::Flip() {
    std::reverse(Cards.begin(), Cards.end());
    for (TCard* card : Cards)
        card->Flip();
}

void TCardPile::AddDeck() {
    for (int value = 0; value < ValueCount; ++value)
        for (int suit = 0; suit < SuitCount; ++suit)
            AddCard(new TCard(suit, value));
}

void TCardPile::Shuffle() {
    const int n = static_cast<int>(Cards.size());
    for (int i = 0; i + 1 < n; ++i) {
        const int j = i + DealRandom::ShortStep() % (n - i);
        std::swap(Cards[static_cast<std::size_t>(i)], Cards[static_cast<std::size_t>(j)]);
    }
}

void TCardPile::CreateAndShufflePile(int handNumber, int count) {
    if (count < 0 || count > DeckSize)
        throw std::invalid_argument("a deal holds 0 to 52 cards, not " + std::to_string(count));
    DealRandom::SeedFromClock();
    if (handNumber == -2) {
        int n;
        do {
            n = DealRandom::Random(32767);
        } while (n == HandNumber);
        HandNumber = n;
    } else if (handNumber != -1) {
        HandNumber = handNumber;
    }
    DealRandom::Seed(static_cast<std::uint32_t>(HandNumber));
    std::array<int, DeckSize> a{};
    for (int i = 0; i < count; ++i)
        a[static_cast<std::size_t>(i)] = i;
    for (int i = 0; i < 3 * count; ++i) {
        const int j = DealRandom::Random(count);
        std::swap(a[static_cast<std::size_t>(i % count)], a[static_cast<std::size_t>(j)]);
    }
    for (int i = 0; i < count; ++i)
        AddCard(new TCard(a[static_cast<std::size_t>(i)]));
}
