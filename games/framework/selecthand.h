// The Select Hand dialog: the player types or steps to a hand number.  The
// number goes in and comes out through Tag; -1 means the dialog was cancelled.
#pragma once

#include <QDialog>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// Up and down arrows attached to an edit: they step the number in the edit
// within a range, without wrapping and without thousands separators.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* associate, QWidget* parent);

    int Min = 1;
    int Max = 32535;
    int Position = 1;

    // One step up (+1) or down (-1) from the edit's number, or from the last
    // position when the edit holds no number.
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
};

class TSelectHandForm : public QDialog {
    Q_OBJECT
public:
    explicit TSelectHandForm(QWidget* parent = nullptr);

    // In: the current hand number.  Out: the chosen number, or -1 for Cancel.
    int Tag = 0;

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* EditHandNumber;
    TUpDown* UpDownHandNumber;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    static constexpr int HelpContext = 235;

    void OKBtnClick();
    void CancelBtnClick();

    // Closing by Esc, by Cancel or by the title bar's close box: all cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormActivate();
};

// The dialog every game window shares; the launcher creates it once at start
// (CreateSelectHandForm).  Without one, a game window makes its own.
extern TSelectHandForm* SelectHandForm;
void CreateSelectHandForm(QWidget* owner);

// Shows the dialog modally with the current number and returns the choice
// (-1 when cancelled).
int SelectHandNumber(QWidget* gameWindow, int currentHand);
