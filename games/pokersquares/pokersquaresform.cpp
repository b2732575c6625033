#include "pokersquaresform.h"

#include "pokercalc.h"
#include "scoresheet.h"

#include <QLabel>

namespace {
// The fan of the deck: 24 steps of 8 pixels, so all 25 cards fit.
constexpr float DeckStep = 8.0f;
constexpr int DeckFactor = 24;

QStringList LineCaptions() {
    QStringList captions;
    for (int line = 0; line < LineCount; ++line)
        captions << QString::fromStdString(LineCaption(line));
    return captions;
}
} // namespace

TPokerSquaresForm::TPokerSquaresForm(QWidget* launcher)
    : TGameForm(PokerSquaresGame, launcher), Panel3(new QFrame(PanelScore)),
      Panel4(new TScoreSheetPanel(LineCaptions(), Panel3)),
      game_(std::make_unique<TPokerSquaresGame>(Outside())) {
    for (int cell = 0; cell < GridPlaces; ++cell) {
        auto* view = new TCardPileView(this);
        view->setObjectName(QStringLiteral("CardPileView%1").arg(cell + 1));
        view->SetIsBordered(true);
        view->SetAllowDrag(true);
        view->OnClick = [this](TCardPileView* sender) { TableauClick(sender); };
        view->OnDragOver = [this](QWidget* sender, TCardPileView* source, int x, int y,
                                  TDragState state, bool& accept) {
            TableauDragOver(sender, source, x, y, state, accept);
        };
        CardPileView[static_cast<std::size_t>(cell)] = view;
        Tableau.push_back(view);
    }
    DeckPileView = new TCardPileView(this);
    DeckPileView->setObjectName(QStringLiteral("DeckPileView"));
    DeckPileView->SetXOffset(DeckStep);
    DeckPileView->SetState(FS_EMPTY);
    DeckPileView->SetAllowDrag(true);
    DeckPileView->OnMouseDown = [this](TCardPileView* sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers, int,
                                       int) { DeckMouseDown(sender, button); };
    DeckPileView->OnStartDrag = [this](TCardPileView* sender) { DeckStartDrag(sender); };
    DeckPileView->OnEndDrag = [this](TCardPileView* sender, QWidget*, int, int) {
        DeckEndDrag(sender);
    };

    PanelScore->resize(285, 277);
    Panel3->setGeometry(8, 48, 269, 221);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->move(8, 8);
    lblScoreMode = Panel4->lblScoreMode;

    // The drag picture shows over the table, the score area and the line labels.
    ShowDragImageOver({PanelScore, Panel2, Panel3, Panel4});
    for (int row = 1; row <= LineCount; ++row)
        ShowDragImageOver({Panel4->lblHand[static_cast<std::size_t>(row)],
                           Panel4->lblScore[static_cast<std::size_t>(row)]});

    FinishCreate(game_.get());
}

TPokerSquaresForm::~TPokerSquaresForm() = default;

void TPokerSquaresForm::TableauClick(TCardPileView* sender) {
    game_->TableauClick(PlaceOf(sender));
}

void TPokerSquaresForm::TableauDragOver(QWidget* sender, TCardPileView* source, int, int,
                                        TDragState state, bool& accept) {
    if (source != DeckPileView) {
        accept = false;
        return;
    }
    auto* cell = static_cast<TCardPileView*>(sender);
    accept = game_->TableauAccepts(PlaceOf(cell));
    source->DropTarget = accept ? cell : nullptr;
    ApplyLeaveRule(source, state, accept);
}

void TPokerSquaresForm::DeckMouseDown(TCardPileView* sender, Qt::MouseButton button) {
    sender->DragReady = false;
    if (game_->DeckMouseDown(button == Qt::LeftButton, sender->SelectedCard))
        sender->DragReady = true;
}

void TPokerSquaresForm::DeckStartDrag(TCardPileView* sender) {
    // The lifted card is gone from the fan.
    sender->update();
}

void TPokerSquaresForm::DeckEndDrag(TCardPileView* sender) {
    game_->DeckEndDrag(PlaceOf(sender->DropTarget.data()));
}

void TPokerSquaresForm::LayOutTable() {
    LayOutGrid(DeckFactor);
}

void TPokerSquaresForm::ShowScores() {
    for (int line = 0; line < LineCount; ++line) {
        const TLineScore& score = game_->Lines.Lines[static_cast<std::size_t>(line)];
        Panel4->ShowRow(line,
                        QString::fromStdString(HandNames[static_cast<std::size_t>(score.Category)]),
                        score.Score);
    }
    Panel4->ShowTotal(game_->TotalScore);
}

void TPokerSquaresForm::ShowPile(int pile) {
    TGameForm::ShowPile(pile);
    if (pile == DeckPileNumber)
        DeckPileView->setToolTip(QString::fromStdString(game_->DeckHint()));
}
