// An ordered pile of card pointers.  Index 0 is the bottom, the last index the
// top.  A pile never owns its cards: only Empty(true) deletes them, called by
// whichever pile the game decides holds them last.
#pragma once

#include "card.h"

#include <cstdint>
#include <vector>

class TCardPile {
public:
    // The reserved index meaning "the top of the pile".
    static constexpr int TopIndex = 9999;

    // The owner is not kept; it stands for the window that made the pile.
    explicit TCardPile(const void* owner = nullptr);
    virtual ~TCardPile() = default;
    TCardPile(const TCardPile&) = delete;
    TCardPile& operator=(const TCardPile&) = delete;

    void AddCard(TCard* card);
    void InsertCard(TCard* card, int index);
    void AddPile(const TCardPile& other);
    void InsertPile(const TCardPile& other, int index);
    void CopyPileTo(TCardPile& destination) const;
    void RemoveCard(const TCard* card);
    TCard* CardAt(int index) const;
    int CardIndex(const TCard* card) const;
    int GetCardCount();
    void Empty(bool deleteCards);
    void Flip();
    void AddDeck();
    void Shuffle();
    // Appends count new face-down cards in the order of the numbered deal:
    // -2 a new random number (never the current one), -1 the current number
    // again, anything else that number.  count must be 0 to 52.
    void CreateAndShufflePile(int handNumber, int count);

    std::int32_t CardCount = 0;
    std::vector<TCard*> Cards;
    std::int32_t HandNumber = 0;

private:
    void CheckInsertIndex(int index) const;
};
