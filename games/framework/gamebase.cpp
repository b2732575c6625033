#include "gamebase.h"

#include "context.h"

#include <stdexcept>

const std::string AbandonForNewHandQuestion =
    "Are you sure you want to abandon this hand and deal a new one?";
const std::string AbandonForExitQuestion =
    "Are you sure you want to abandon this hand and exit this game?";

TGame::TGame(int game, int placeCount, TGameOutside& outside)
    : game_(game), outside_(outside), placeFlags_(static_cast<std::size_t>(placeCount)) {
    for (int i = 0; i <= placeCount; ++i)
        ownPiles_.push_back(std::make_unique<TCardPile>(this));
    for (int i = 0; i < placeCount; ++i)
        places_.push_back(ownPiles_[static_cast<std::size_t>(i)].get());
    deck_ = ownPiles_.back().get();
}

TGame::~TGame() {
    for (TCardPile* pile : places_)
        pile->Empty(true);
    deck_->Empty(true);
}

void TGame::BindPiles(std::span<TCardPile* const> places, TCardPile* deck) {
    if (places.size() != places_.size() || deck == nullptr)
        throw std::invalid_argument("the game needs one pile per place and a deck");
    for (TCardPile* pile : places_)
        pile->Empty(true);
    deck_->Empty(true);
    const int handNumber = deck_->HandNumber;
    places_.assign(places.begin(), places.end());
    deck_ = deck;
    deck_->HandNumber = handNumber;
    ownPiles_.clear();
}

bool TGame::StartNewHand(int handNumber) {
    if (MoveCount > 0 || RecordsHandWithoutMoves()) {
        if (MoveCount > 0 && HandInProgress() && !outside_.Confirm(AbandonForNewHandQuestion))
            return false;
        outside_.RecordResult(game_, TotalScore);
    }
    EmptyPiles(true);
    DealHand(handNumber);
    return true;
}

bool TGame::CloseQuery() {
    if (MoveCount > 0 && HandInProgress())
        return outside_.Confirm(AbandonForExitQuestion);
    return true;
}

void TGame::Close() {
    if (MoveCount > 0)
        outside_.RecordResult(game_, TotalScore);
    // A closed game leaves no hand behind: a second Close records nothing.
    MoveCount = 0;
    EmptyPiles(false);
}

void TGame::Undo() {
    outside_.PlaySound(GameSound::Undo);
    RestoreUndoState();
}

void TGame::EmptyPiles(bool /*animate*/) {
    for (int place = 0; place < PlaceCount(); ++place) {
        places_[static_cast<std::size_t>(place)]->Empty(true);
        outside_.PileChanged(place);
    }
    deck_->Empty(true);
    outside_.PileChanged(DeckPileNumber);
}

void TGame::ShuffleDeck(int handNumber) {
    outside_.PlaySound(GameSound::Shuffle);
    deck_->CreateAndShufflePile(handNumber, 52);
    outside_.HandDealt();
}

void TGame::StartUndoHistory() {
    ResetUndoHistory();
    SaveUndoState();
    SetUndoEnabled(false);
}

void TGame::PushUndoState() {
    PushGameContext();
    SetUndoEnabled(true);
}

void TGame::FinishUndoRestore() {
    if (GameContext.UndoDepth <= 1)
        SetUndoEnabled(false);
}

TCard* TGame::TakeDeckTop() {
    TCard* top = deck_->CardAt(TCardPile::TopIndex);
    if (top != nullptr)
        deck_->RemoveCard(top);
    return top;
}

void TGame::SetUndoEnabled(bool enabled) {
    undoEnabled_ = enabled;
    outside_.UndoAvailable(enabled);
}
