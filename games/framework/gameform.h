// What every game window has in common: the table with its colour or
// wallpaper, the score panel with the toolbar, the popup menu, numbered deals
// and the Select Hand dialog, the question before an unfinished hand is left,
// the undo wiring, the options, statistics and help commands, the remembered
// placement and the smallest size.  A game window derives from TGameForm,
// creates its views and score controls, hands over its game, and lays out its
// table.  The game's rules live in a TGame; the window shows its state.
#pragma once

#include "cardpileview.h"
#include "gamebase.h"
#include "gridlayout.h"

#include <QDialog>
#include <QString>
#include <array>
#include <initializer_list>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

// The display name (caption, placement section) of each game.
QString GameDisplayName(int game);

class TGameForm : public QDialog, protected TGameOutside {
    Q_OBJECT
public:
    // launcher: the window hidden while this one is active (may be null).
    TGameForm(int game, QWidget* launcher);
    ~TGameForm() override;

    QFrame* PanelScore;
    QFrame* Panel2;
    QToolButton* btnNewHand;
    QToolButton* btnUndo;
    QToolButton* btnStats;
    QToolButton* btnOptions;
    QToolButton* btnExit;
    QToolButton* btnHelp;
    QMenu* PopupMenu1;
    QAction* mnuUndo;
    QAction* mnuNewHand;
    QAction* mnuRedealHand;
    QAction* mnuSelectHand;
    QAction* mnuExit;
    QLabel* lblScoreMode = nullptr; // set by the game's score sheet; hidden
    TCardPileView* DeckPileView = nullptr;
    std::vector<TCardPileView*> Tableau; // in the game's place order

    int GameIndex() const { return game_; }
    int HelpContext() const;
    int ScoreSystem() const { return game_ptr_->ScoreSystem; }
    TGame& Game() const { return *game_ptr_; }

    // Commands, the same in every window.
    void StartNewHand(int handNumber);
    void btnNewHandClick() { StartNewHand(NewRandomHand); }
    void mnuRedealHandClick() { StartNewHand(SameHandAgain); }
    void mnuSelectHandClick();
    void mnuUndoClick();
    void btnStatsClick();
    void btnOptionsClick();
    void btnHelpClick();
    void btnExitClick() { close(); }

    void ShowScoringName();
    void SetPileBackgrounds();
    TSize GetBaseWindowSize() const;
    // Whether the window's density counts as 96 pixels per inch.
    bool At96Dpi() const;
    // The width of a sizing window frame, twice of which the window must be
    // wider than its base width.
    int SizingFrameWidth() const;

    // Tests may pretend another screen density (0: the real one).
    static void SetDensityForTesting(int dotsPerInch);

    // Esc does not close a game window; closing goes through the question.
    void reject() override;

protected:
    // The window as the game's outside world.
    TGameOutside& Outside() { return *this; }
    // The game window's own part of FormCreate is done: hand over the game
    // (bound to the views' piles), then the placement is read.
    void FinishCreate(TGame* game);

    // FormResize: the game's layout; it starts by reading the card size.
    virtual void LayOutTable() = 0;
    // The score fields of the game changed.
    virtual void ShowScores() = 0;
    // A pile of the game changed: by default the view takes the flags and
    // repaints.  DeckPileNumber stands for the deck.
    virtual void ShowPile(int pile);
    TCardPileView* ViewOf(int pile) const;
    int PlaceOf(const TCardPileView* view) const;

    // The common 5 x 5 layout, deckFactor fan steps wide for the deck.
    void LayOutGrid(int deckFactor);
    // Puts the six toolbar buttons at these lefts in a toolbar this wide
    // (standard: 8, 54, 99, 145, 190, 236 in 269).
    void PlaceToolbar(const std::array<int, 6>& lefts, int width);
    // Reads the card size, passes it to the card images and returns it.
    TSize ApplyCardSize();
    void UpdateSizeLimits();

    // Drag-and-drop conventions.  Over the window's background every drop is
    // refused and the dragged view's target cleared.
    void FormDragOver(QWidget* sender, TCardPileView* source, int x, int y, TDragState state,
                      bool& accept);
    // A drag leaving a target view: outside the window the target is cleared
    // and the drop refused; inside it stays.
    void ApplyLeaveRule(TCardPileView* source, TDragState state, bool& accept) const;
    // Shows the drag picture over these widgets too.
    void ShowDragImageOver(std::initializer_list<QWidget*> widgets);

    // TGameOutside: the game's requests, answered by the window.
    bool Confirm(const std::string& question) override;
    void PlaySound(GameSound sound) override;
    void RecordResult(int game, int score) override;
    void PileChanged(int pile) override;
    void ScoresChanged() override { ShowScores(); }
    void UndoAvailable(bool available) override;
    void HandDealt() override;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildToolbar();
    void BuildPopupMenu();
    void FormShow();
    void FormActivate();
    void FormClose();
    void ApplyWindowColor(bool wallpaper);
    void LoadPlacement();

    int game_;
    QWidget* launcher_;
    TGame* game_ptr_ = nullptr;
    bool shown_ = false;
    bool dealing_ = false; // a new hand is being dealt: the deck repaints at once

    static int densityForTesting;
};
