// The statistics window: all seven games side by side, with Clear.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QFrame;

class TStatsDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TStatsDialogForm(QWidget* parent = nullptr);

    // Fills the seven rows from the store.
    void FormShow();
    void btnClearClick();

    QFrame* Panel4;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* lblHand0;
    QLabel* lblScore0;
    std::array<QLabel*, 7> lblGameName{};
    std::array<QLabel*, 7> lblNumGames{};
    std::array<QLabel*, 7> lblAvgScore{};
    std::array<QLabel*, 7> lblBestScore{};
    QPushButton* OKBtn;
    QPushButton* btnClear;
    QPushButton* HelpBtn;

    static constexpr int HelpContext = 220;

protected:
    void showEvent(QShowEvent* event) override;
    // F1 opens the window's help topic, as Help does.
    void keyPressEvent(QKeyEvent* event) override;
};

// The one statistics window of the program, created at start.
extern TStatsDialogForm* StatsDialogForm;
