// The grey score sheet panel (Panel4) every grid game shows: a header row,
// ten rows of position, hand and score, the total, and the hidden name of the
// scoring system.
#pragma once

#include <QFrame>
#include <QStringList>
#include <array>

class QLabel;

inline constexpr int ScoreSheetRows = 10;

class TScoreSheetPanel : public QFrame {
    Q_OBJECT
public:
    // positions: the ten row captions ("Row 1" ... or "Hand #1" ...); empty
    // rows show "-" and "0".
    TScoreSheetPanel(const QStringList& positions, QWidget* parent);

    // Index 0 is the header row.
    std::array<QLabel*, ScoreSheetRows + 1> lblScorePosition{};
    std::array<QLabel*, ScoreSheetRows + 1> lblHand{};
    std::array<QLabel*, ScoreSheetRows + 1> lblScore{};
    QLabel* Label1;        // "Total Score:"
    QLabel* lblTotalScore; // the total
    QLabel* lblScoreMode;  // the scoring system's name; always hidden

    // Row is 0 to 9.
    void ShowRow(int row, const QString& hand, int score);
    void ShowTotal(int total);
};

// The colour of the system's panels and buttons ("button face").
QColor ButtonFaceColor();
// Gives a panel its own button-face background, so the table colour of the
// window does not reach it.
void PaintAsPanel(QWidget* panel, const QColor& color);
