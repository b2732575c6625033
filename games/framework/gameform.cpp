#include "gameform.h"

#include "application.h"
#include "cardimages.h"
#include "colorvalue.h"
#include "context.h"
#include "gamedata.h"
#include "gamehost.h"
#include "scoresheet.h"
#include "scoring.h"
#include "selecthand.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

int TGameForm::densityForTesting = 0;

namespace {
constexpr std::array<int, 6> StandardToolbarLefts = {8, 54, 99, 145, 190, 236};

int BackgroundType() {
    return ReadIniInteger("Options", "BackgroundType", OptionDefaults::BackgroundType);
}
} // namespace

QString GameDisplayName(int game) {
    return QString::fromStdString(GameNames.at(static_cast<std::size_t>(game)));
}

int TGameForm::HelpContext() const {
    return GameHelpTopic(game_);
}

TGameForm::TGameForm(int game, QWidget* launcher)
    : QDialog(nullptr), PanelScore(new QFrame(this)), Panel2(new QFrame(PanelScore)),
      PopupMenu1(new QMenu(this)), game_(game), launcher_(launcher) {
    // Closing a game window never ends the program: the launcher comes back.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(GameDisplayName(game));
    setSizeGripEnabled(false);
    // The table is painted here, colour or wallpaper, every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(692, 558);

    TDragSession::SetShowsDragImage(this, true);
    TDragSession::SetDragOverHandler(
        this, [this](QWidget* sender, TCardPileView* source, int x, int y, TDragState state,
                     bool& accept) { FormDragOver(sender, source, x, y, state, accept); });
    TCardImages::SetBackIndex(1);
    SetUndoBeepHook([] { QApplication::beep(); });

    PanelScore->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PaintAsPanel(PanelScore, ButtonFaceColor());
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PaintAsPanel(Panel2, ButtonFaceColor());
    BuildToolbar();
    BuildPopupMenu();
}

TGameForm::~TGameForm() = default;

void TGameForm::BuildToolbar() {
    auto button = [this](ToolbarButton kind, const char* hint, void (TGameForm::*click)()) {
        auto* b = new QToolButton(Panel2);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIcon(GameHost().ToolbarIcon(kind));
        b->setIconSize(QSize(16, 16));
        b->setToolTip(QString::fromLatin1(hint));
        connect(b, &QToolButton::clicked, this, click);
        return b;
    };
    btnNewHand = button(ToolbarButton::NewHand, "Deal a new hand", &TGameForm::btnNewHandClick);
    btnUndo = button(ToolbarButton::Undo, "Undo", &TGameForm::mnuUndoClick);
    btnStats = button(ToolbarButton::Stats, "View statistics", &TGameForm::btnStatsClick);
    btnOptions = button(ToolbarButton::Options, "Set game options", &TGameForm::btnOptionsClick);
    btnExit = button(ToolbarButton::Exit, "Exit this game", &TGameForm::btnExitClick);
    btnHelp = button(ToolbarButton::Help, "Help", &TGameForm::btnHelpClick);
    btnUndo->setEnabled(false);
    PlaceToolbar(StandardToolbarLefts, 269);
}

void TGameForm::PlaceToolbar(const std::array<int, 6>& lefts, int width) {
    Panel2->setGeometry(8, 8, width, 33);
    QToolButton* const buttons[] = {btnNewHand, btnUndo, btnStats, btnOptions, btnExit, btnHelp};
    for (std::size_t i = 0; i < 6; ++i)
        buttons[i]->setGeometry(lefts[i], 4, 25, 25);
}

void TGameForm::BuildPopupMenu() {
    PopupMenu1->setToolTipsVisible(true);
    auto entry = [this](const char* caption, const char* hint, void (TGameForm::*click)()) {
        QAction* action = PopupMenu1->addAction(QString::fromLatin1(caption));
        action->setToolTip(QString::fromLatin1(hint));
        action->setStatusTip(QString::fromLatin1(hint));
        connect(action, &QAction::triggered, this, click);
        return action;
    };
    mnuUndo = entry("&Undo", "Undo", &TGameForm::mnuUndoClick);
    mnuUndo->setEnabled(false);
    mnuNewHand = entry("&New Hand", "Deal a new hand", &TGameForm::btnNewHandClick);
    mnuRedealHand = entry("&Redeal Hand", "Redeal the same hand", &TGameForm::mnuRedealHandClick);
    mnuSelectHand =
        entry("&Select Hand...", "Select a hand number", &TGameForm::mnuSelectHandClick);
    mnuExit = entry("E&xit", "Exit this game", &TGameForm::btnExitClick);
}

void TGameForm::FinishCreate(TGame* game) {
    game_ptr_ = game;
    if (DeckPileView != nullptr) {
        std::vector<TCardPile*> places;
        for (TCardPileView* view : Tableau)
            places.push_back(&view->Pile);
        game->BindPiles(places, &DeckPileView->Pile);
    }
    ShowScoringName();
    LoadPlacement();
}

void TGameForm::LoadPlacement() {
    const TSize base = GetBaseWindowSize();
    UpdateSizeLimits();
    const TWindowPlacement placement =
        LoadWindowPlacement(GameDisplayName(game_).toStdString(), base.Width, base.Height);
    switch (placement.State) {
    case 0:
        setGeometry(placement.Left, placement.Top, placement.Width, placement.Height);
        setWindowState(Qt::WindowNoState);
        break;
    case 1: setWindowState(Qt::WindowMinimized); break;
    case 2: setWindowState(Qt::WindowMaximized); break;
    default: break;
    }
}

// ---- Showing, activation and closing ----

void TGameForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Coming back from the task bar is no new showing.
    if (!event->spontaneous() && !shown_) {
        shown_ = true;
        FormShow();
    }
    FormActivate();
}

void TGameForm::FormShow() {
    ApplyWindowColor(BackgroundType() != 0);
    SetPileBackgrounds();
    game_ptr_->ScoreSystem = ReadIniInteger("Options", "ScoreSystem", OptionDefaults::ScoreSystem);
    ShowScoringName();
    LoadGameStats(game_);
    game_ptr_->DealHand(NewRandomHand);
    LayOutTable();
}

void TGameForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TGameForm::FormActivate() {
    if (launcher_ != nullptr && launcher_->isVisible())
        launcher_->hide();
}

void TGameForm::reject() {
    close();
}

void TGameForm::keyPressEvent(QKeyEvent* event) {
    // F1 opens the game's own help topic, as the Help button does.
    if (event->key() == Qt::Key_F1) {
        btnHelpClick();
        return;
    }
    // Unlike a dialog, a game window stays open on Esc.
    QWidget::keyPressEvent(event);
}

void TGameForm::closeEvent(QCloseEvent* event) {
    // Closed from the keyboard in the middle of a drag: the lifted cards go
    // back first, so none is left outside the game's piles.
    for (TCardPileView* view : Tableau)
        view->CancelDrag();
    if (DeckPileView != nullptr)
        DeckPileView->CancelDrag();
    if (!game_ptr_->CloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TGameForm::FormClose() {
    TWindowPlacement placement;
    const QRect bounds = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    placement.Left = bounds.left();
    placement.Top = bounds.top();
    placement.Width = bounds.width();
    placement.Height = bounds.height();
    placement.State = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    // The hand in play is recorded first, then the placement is written.
    game_ptr_->Close();
    SaveWindowPlacement(GameDisplayName(game_).toStdString(), placement);
}

// ---- Commands ----

void TGameForm::StartNewHand(int handNumber) {
    dealing_ = true;
    game_ptr_->StartNewHand(handNumber);
    dealing_ = false;
}

void TGameForm::mnuSelectHandClick() {
    const int chosen = SelectHandNumber(this, game_ptr_->HandNumber());
    if (chosen != -1)
        StartNewHand(chosen);
}

void TGameForm::mnuUndoClick() {
    game_ptr_->Undo();
}

void TGameForm::btnStatsClick() {
    GameHost().ShowStatistics(this);
}

void TGameForm::btnHelpClick() {
    GameHost().ShowHelp(this, HelpContext());
}

void TGameForm::btnOptionsClick() {
    const bool appearanceChanged = GameHost().ShowOptions(this);
    // The colour is taken whatever the background kind.
    ApplyWindowColor(false);
    game_ptr_->ScoreSystem = ReadIniInteger("Options", "ScoreSystem", OptionDefaults::ScoreSystem);
    ShowScoringName();
    game_ptr_->Rescore();
    if (appearanceChanged) {
        GameHost().RebuildWallpaper();
        SetPileBackgrounds();
        update();
        LayOutTable();
        // A nudge and back repaints the whole window, frame included.
        move(pos() + QPoint(1, 0));
        move(pos() - QPoint(1, 0));
    }
}

void TGameForm::ShowScoringName() {
    if (lblScoreMode != nullptr)
        lblScoreMode->setText(QString::fromStdString(
            ScoreSystemName(game_ptr_ != nullptr ? game_ptr_->ScoreSystem : 2)));
}

// ---- Table background ----

void TGameForm::ApplyWindowColor(bool wallpaper) {
    QPalette own = palette();
    own.setColor(QPalette::Window, wallpaper ? ButtonFaceColor()
                                             : ColorFromValue(ReadIniInteger(
                                                   "Options", "BGColor", OptionDefaults::BGColor)));
    setPalette(own);
}

void TGameForm::SetPileBackgrounds() {
    const bool wallpaper = BackgroundType() != 0;
    auto set = [&](TCardPileView* view) {
        if (view == nullptr)
            return;
        if (wallpaper) {
            view->BackgroundBitmap = GameHost().Wallpaper();
            view->SetBackgroundMode(FS_BITMAP);
        } else {
            view->SetBackgroundMode(FS_NORMAL);
        }
        view->update();
    };
    for (TCardPileView* view : Tableau)
        set(view);
    set(DeckPileView);
}

void TGameForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The store is read on every paint: with the wallpaper nothing is filled
    // first, so the picture is not overpainted with the colour.
    if (BackgroundType() != 0) {
        if (const QPixmap* wallpaper = GameHost().Wallpaper()) {
            painter.fillRect(event->rect(), palette().color(QPalette::Window));
            painter.drawPixmap(0, 0, *wallpaper);
            return;
        }
    }
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
}

// ---- Sizes and layout ----

void TGameForm::SetDensityForTesting(int dotsPerInch) {
    densityForTesting = dotsPerInch;
}

bool TGameForm::At96Dpi() const {
    const int density = densityForTesting != 0 ? densityForTesting : logicalDpiY();
    return density == 96;
}

int TGameForm::SizingFrameWidth() const {
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

TSize TGameForm::GetBaseWindowSize() const {
    const bool small = ReadIniInteger("Options", "CardSize", OptionDefaults::CardSize) == 0;
    return ::GetBaseWindowSize(game_, small, At96Dpi());
}

void TGameForm::UpdateSizeLimits() {
    const TSize base = GetBaseWindowSize();
    setMinimumSize(base.Width + 2 * SizingFrameWidth(), base.Height);
}

TSize TGameForm::ApplyCardSize() {
    const int setting = ReadIniInteger("Options", "CardSize", OptionDefaults::CardSize);
    TCardImages::SetCardSize(setting == 0 ? FS_SMALL : FS_LARGE);
    return CardDimensions(setting);
}

void TGameForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (game_ptr_ != nullptr)
        LayOutTable();
}

void TGameForm::LayOutGrid(int deckFactor) {
    const TSize card = ApplyCardSize();
    UpdateSizeLimits();
    TGridLayoutInput in;
    in.ClientWidth = width();
    in.ClientHeight = height();
    in.WindowHeight = frameGeometry().height();
    in.Panel = {PanelScore->width(), PanelScore->height()};
    in.Card = card;
    in.At96Dpi = At96Dpi();
    in.DeckFactor = deckFactor;
    in.DeckXOffset = DeckPileView->XOffset();
    const TGridLayout layout = ::LayOutGrid(in);
    auto place = [](QWidget* widget, const TRect& r) {
        widget->setGeometry(r.Left, r.Top, r.Width, r.Height);
    };
    place(PanelScore, layout.Panel);
    place(DeckPileView, layout.Deck);
    for (int i = 0; i < GridPlaces && i < static_cast<int>(Tableau.size()); ++i)
        place(Tableau[static_cast<std::size_t>(i)], layout.Cells[static_cast<std::size_t>(i)]);
    // The wallpaper behind each view moves with it.
    update();
}

// ---- Drag and drop ----

void TGameForm::FormDragOver(QWidget* /*sender*/, TCardPileView* source, int /*x*/, int /*y*/,
                             TDragState /*state*/, bool& accept) {
    accept = false;
    source->DropTarget = nullptr;
}

void TGameForm::ApplyLeaveRule(TCardPileView* source, TDragState state, bool& accept) const {
    if (state != dsDragLeave)
        return;
    if (!TDragSession::StrictlyInside(frameGeometry(), TDragSession::CursorPos())) {
        source->DropTarget = nullptr;
        accept = false;
    }
}

void TGameForm::ShowDragImageOver(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets)
        TDragSession::SetShowsDragImage(widget, true);
}

// ---- The game's requests ----

bool TGameForm::Confirm(const std::string& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"),
                    QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void TGameForm::PlaySound(GameSound sound) {
    GameHost().PlaySound(sound);
}

void TGameForm::RecordResult(int game, int score) {
    RecordInStore(game, score);
}

TCardPileView* TGameForm::ViewOf(int pile) const {
    if (pile == DeckPileNumber)
        return DeckPileView;
    return pile >= 0 && pile < static_cast<int>(Tableau.size())
               ? Tableau[static_cast<std::size_t>(pile)]
               : nullptr;
}

int TGameForm::PlaceOf(const TCardPileView* view) const {
    for (std::size_t i = 0; i < Tableau.size(); ++i)
        if (Tableau[i] == view)
            return static_cast<int>(i);
    return -1;
}

void TGameForm::PileChanged(int pile) {
    ShowPile(pile);
}

void TGameForm::ShowPile(int pile) {
    TCardPileView* view = ViewOf(pile);
    if (view == nullptr)
        return;
    const TPlaceFlags& flags =
        pile == DeckPileNumber ? game_ptr_->DeckFlags() : game_ptr_->PlaceFlags(pile);
    view->setEnabled(flags.Enabled);
    view->SetIsBordered(flags.IsBordered);
    view->SetState(static_cast<_PileBitmap>(flags.State));
    // While a new hand is dealt the deck shrinks visibly, card by card.
    if (dealing_ && pile == DeckPileNumber && isVisible())
        view->repaint();
    else
        view->update();
}

void TGameForm::UndoAvailable(bool available) {
    btnUndo->setEnabled(available);
    mnuUndo->setEnabled(available);
}

void TGameForm::HandDealt() {
    setWindowTitle(QStringLiteral("%1 [Hand Number %2]")
                       .arg(GameDisplayName(game_))
                       .arg(game_ptr_->HandNumber()));
}

void TGameForm::contextMenuEvent(QContextMenuEvent* event) {
    PopupMenu1->exec(event->globalPos());
}
