#include "pokersquares.h"

#include "context.h"
#include "undopiles.h"

namespace {
// Only the first 25 cards of the deal take part.
constexpr int CardsInPlay = GridPlaces;
constexpr int StockRecord = 52;
} // namespace

TPokerSquaresGame::TPokerSquaresGame(TGameOutside& outside)
    : TGame(PokerSquaresGame, GridPlaces, outside) {
    for (int cell = 0; cell < GridPlaces; ++cell)
        MutablePlaceFlags(cell) = {true, true, PileMark::Blank};
    MutableDeckFlags() = {true, false, PileMark::Empty};
}

std::string TPokerSquaresGame::DeckHint() {
    const int count = Deck().GetCardCount();
    return "The deck contains " + std::to_string(count) + (count == 1 ? " card" : " cards");
}

bool TPokerSquaresGame::HandInProgress() const {
    return Deck().GetCardCount() > 0;
}

void TPokerSquaresGame::DealHand(int handNumber) {
    ShuffleDeck(handNumber);
    // The cards dealt last leave the game: the first card offered is deal
    // position 24.
    while (Deck().GetCardCount() > CardsInPlay)
        delete TakeDeckTop();
    for (int cell = 0; cell < GridPlaces; ++cell) {
        MutablePlaceFlags(cell).Enabled = true;
        MutablePlaceFlags(cell).IsBordered = true;
        Outside().PileChanged(cell);
    }
    MutableDeckFlags().Enabled = true;
    TurnUpNextCard();
    MoveCount = 0;
    Lines.Reset();
    RefreshScoreSheet();
    StartUndoHistory();
}

void TPokerSquaresGame::TurnUpNextCard() {
    if (TCard* top = Deck().CardAt(TCardPile::TopIndex))
        top->Flip();
    Outside().PileChanged(DeckPileNumber);
}

void TPokerSquaresGame::EvaluateLines() {
    Lines.Evaluate(Places());
}

void TPokerSquaresGame::RefreshScoreSheet() {
    TotalScore = Lines.Refresh(ScoreSystem);
    Outside().ScoresChanged();
}

void TPokerSquaresGame::Rescore() {
    EvaluateLines();
    RefreshScoreSheet();
}

void TPokerSquaresGame::TableauClick(int cell) {
    if (cell < 0 || cell >= GridPlaces || !IsFree(cell) || !HandInProgress())
        return;
    TCard* card = TakeDeckTop();
    TurnUpNextCard();
    Place(cell).AddCard(card);
    CompletePlacement(cell);
}

bool TPokerSquaresGame::DeckMouseDown(bool leftButton, const TCard* selected) {
    if (leftButton && selected != nullptr) {
        if (selected != Deck().CardAt(TCardPile::TopIndex))
            return false;
        Outside().PlaySound(GameSound::CardUp);
        return true;
    }
    if (!HandInProgress())
        StartNewHand(NewRandomHand);
    return false;
}

void TPokerSquaresGame::DeckEndDrag(int cell) {
    if (cell < 0 || cell >= GridPlaces || Place(cell).GetCardCount() == 0)
        return; // the card went back to the deck
    TurnUpNextCard();
    CompletePlacement(cell);
}

void TPokerSquaresGame::CompletePlacement(int cell) {
    MutablePlaceFlags(cell).Enabled = false;
    MutablePlaceFlags(cell).IsBordered = false;
    Outside().PileChanged(cell);
    ++MoveCount;
    Outside().PlaySound(GameSound::CardDown);
    EvaluateLines();
    RefreshScoreSheet();
    SaveUndoState();
}

void TPokerSquaresGame::SaveUndoState() {
    for (int cell = 0; cell < GridPlaces; ++cell)
        SavePlace(GameContext.Places[cell], Place(cell), PlaceFlags(cell));
    SaveStock(GameContext.Stock, StockRecord, Deck(), DeckFlags());
    Lines.SaveTo(GameContext);
    GameContext.MoveCount = MoveCount;
    GameContext.TotalScore = TotalScore;
    PushUndoState();
}

void TPokerSquaresGame::RestoreUndoState() {
    UndoGameContext();
    for (int cell = 0; cell < GridPlaces; ++cell) {
        RestorePlace(GameContext.Places[cell], Place(cell), MutablePlaceFlags(cell));
        Outside().PileChanged(cell);
    }
    RestoreStock(GameContext.Stock, StockRecord, Deck(), MutableDeckFlags());
    Outside().PileChanged(DeckPileNumber);
    Lines.RestoreFrom(GameContext);
    MoveCount = GameContext.MoveCount;
    TotalScore = GameContext.TotalScore;
    EvaluateLines();
    RefreshScoreSheet();
    FinishUndoRestore();
}

void TPokerSquaresGame::EmptyPiles(bool animate) {
    for (int cell = 0; cell < GridPlaces; ++cell) {
        Place(cell).Empty(true);
        MutablePlaceFlags(cell).IsBordered = true;
        Outside().PileChanged(cell);
    }
    // Card by card, so the stack visibly shrinks before the new deal.
    while (TCard* card = TakeDeckTop()) {
        delete card;
        if (animate)
            Outside().PileChanged(DeckPileNumber);
    }
    Outside().PileChanged(DeckPileNumber);
}
