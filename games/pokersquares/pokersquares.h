// Poker Squares: twenty-five cards of a numbered deal are offered one at a
// time and each goes into a free cell of the 5 x 5 grid, by a click or by a
// drag from the deck.  The five rows and five columns are scored as they fill.
#pragma once

#include "gamebase.h"
#include "linesheet.h"

#include <string>

inline constexpr int PokerSquaresGame = 0;

class TPokerSquaresGame : public TGame {
public:
    explicit TPokerSquaresGame(TGameOutside& outside);

    TLineSheet Lines;

    // A cell is free exactly while it is enabled.
    bool IsFree(int cell) const { return PlaceFlags(cell).Enabled; }
    // "The deck contains n cards" (or "card" for one).
    std::string DeckHint();

    void DealHand(int handNumber) override;
    // Cards remain in the deck.
    bool HandInProgress() const override;
    void SaveUndoState() override;
    void RestoreUndoState() override;
    // Lines evaluated again and priced under ScoreSystem.
    void Rescore() override;

    void TurnUpNextCard();
    void EvaluateLines();
    void RefreshScoreSheet();

    // A click on a cell: the deck's top card goes there.  Clicks on cells
    // that are not free, or with an empty deck, do nothing.
    void TableauClick(int cell);

    // A press on the deck after the view's hit test; selected is the card hit
    // (null for none).  Returns whether the top card may be dragged; a press
    // on the empty deck deals a new hand.
    bool DeckMouseDown(bool leftButton, const TCard* selected);
    // Whether a cell takes the dragged card.
    bool TableauAccepts(int cell) const { return IsFree(cell); }
    // The drag from the deck ended; cell is where the pile view put the card,
    // or -1 when it went back to the deck.
    void DeckEndDrag(int cell);

protected:
    bool RecordsHandWithoutMoves() const override { return true; }
    void EmptyPiles(bool animate) override;

private:
    // The card is in the cell now: close the cell, count, score, snapshot.
    void CompletePlacement(int cell);
};
