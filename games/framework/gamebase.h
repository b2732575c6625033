// What every game has in common apart from its rules: the places and the
// deck with their flags, the move count and score, the scoring system, and the
// way a hand is left (question, statistics record) and a new one dealt.
#pragma once

#include "cardpile.h"
#include "gameoutside.h"
#include "placeflags.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

// The two questions of every game window.
extern const std::string AbandonForNewHandQuestion;
extern const std::string AbandonForExitQuestion;

// Hand numbers understood by StartNewHand and DealHand.
inline constexpr int NewRandomHand = -2;
inline constexpr int SameHandAgain = -1;

class TGame {
public:
    TGame(int game, int placeCount, TGameOutside& outside);
    // Deletes the cards still in the game's piles.
    virtual ~TGame();
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // Lets the game play on piles it does not own (a window's pile views), so
    // that the game and the views share one set of piles.  Call before the
    // first deal; the piles must be empty and outlive the game's use of them.
    void BindPiles(std::span<TCardPile* const> places, TCardPile* deck);

    int GameIndex() const { return game_; }
    int PlaceCount() const { return static_cast<int>(places_.size()); }
    TCardPile& Place(int place) const { return *places_.at(place); }
    std::span<TCardPile* const> Places() const { return places_; }
    TCardPile& Deck() const { return *deck_; }
    const TPlaceFlags& PlaceFlags(int place) const { return placeFlags_.at(place); }
    const TPlaceFlags& DeckFlags() const { return deckFlags_; }
    // The number of the deal in play.
    int HandNumber() const { return deck_->HandNumber; }

    int MoveCount = 0;
    int TotalScore = 0;
    int ScoreSystem = 2;

    // Leaves the hand in play (asking first while it is unfinished, recording
    // it when the game says so) and deals handNumber: -2 a new random deal,
    // -1 the same again, anything else that number.  False when the player
    // said No and nothing changed.
    bool StartNewHand(int handNumber);
    // Whether the window may close: asks while an unfinished hand has moves.
    bool CloseQuery();
    // The window closes: records a hand with moves and empties the piles.
    void Close();
    // The undo command: the undo sound, then the game's restore.
    void Undo();
    bool UndoEnabled() const { return undoEnabled_; }

    // The steps each game supplies.
    virtual void DealHand(int handNumber) = 0;
    virtual bool HandInProgress() const = 0;
    virtual void SaveUndoState() = 0;
    virtual void RestoreUndoState() = 0;
    // Prices the hand in play again under ScoreSystem (after the options).
    virtual void Rescore() = 0;

protected:
    // Poker Squares counts a hand replaced before any move as a game played.
    virtual bool RecordsHandWithoutMoves() const { return false; }
    // Empties every pile, deleting the cards; animate lets the deck shrink
    // visibly card by card before a new deal.
    virtual void EmptyPiles(bool animate);

    TPlaceFlags& MutablePlaceFlags(int place) { return placeFlags_.at(place); }
    TPlaceFlags& MutableDeckFlags() { return deckFlags_; }
    TGameOutside& Outside() const { return outside_; }

    // The common head of DealHand: the shuffle sound and the numbered deal of
    // 52 cards on the deck.
    void ShuffleDeck(int handNumber);
    // The common tail of DealHand: a fresh undo history holding the dealt
    // position, undo disabled.
    void StartUndoHistory();
    // After SaveUndoState has filled the record: push it and allow undo.
    void PushUndoState();
    // At the end of RestoreUndoState: undo stays allowed while there is an
    // earlier snapshot.
    void FinishUndoRestore();
    // Takes the deck's top card off the deck (null when it is empty).
    TCard* TakeDeckTop();

private:
    void SetUndoEnabled(bool enabled);

    int game_;
    TGameOutside& outside_;
    std::vector<std::unique_ptr<TCardPile>> ownPiles_;
    std::vector<TCardPile*> places_;
    TCardPile* deck_ = nullptr;
    std::vector<TPlaceFlags> placeFlags_;
    TPlaceFlags deckFlags_;
    bool undoEnabled_ = false;
};
