// The Poker Squares window: the 5 x 5 grid of cells, the deck fanned above the
// score panel, and the score sheet of the ten lines.
#pragma once

#include "gameform.h"
#include "pokersquares.h"

#include <array>
#include <memory>

class TScoreSheetPanel;

class TPokerSquaresForm : public TGameForm {
    Q_OBJECT
public:
    explicit TPokerSquaresForm(QWidget* launcher = nullptr);
    ~TPokerSquaresForm() override;

    std::array<TCardPileView*, GridPlaces> CardPileView{}; // CardPileView1 ... CardPileView25
    QFrame* Panel3;
    TScoreSheetPanel* Panel4;

    TPokerSquaresGame& Squares() { return *game_; }

    // Control events.
    void TableauClick(TCardPileView* sender);
    void TableauDragOver(QWidget* sender, TCardPileView* source, int x, int y, TDragState state,
                         bool& accept);
    void DeckMouseDown(TCardPileView* sender, Qt::MouseButton button);
    void DeckStartDrag(TCardPileView* sender);
    void DeckEndDrag(TCardPileView* sender);

protected:
    void LayOutTable() override;
    void ShowScores() override;
    void ShowPile(int pile) override;

private:
    std::unique_ptr<TPokerSquaresGame> game_;
};
