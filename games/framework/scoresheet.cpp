#include "scoresheet.h"

#include <QApplication>
#include <QLabel>

namespace {
constexpr int RowStep = 16;
constexpr int FirstRowTop = 8;
constexpr int LabelHeight = 13;

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, top, width, LabelHeight);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}
} // namespace

QColor ButtonFaceColor() {
    return QApplication::palette().color(QPalette::Button);
}

void PaintAsPanel(QWidget* panel, const QColor& color) {
    QPalette own = panel->palette();
    own.setColor(QPalette::Window, color);
    own.setColor(QPalette::Button, ButtonFaceColor());
    panel->setPalette(own);
    panel->setAutoFillBackground(true);
}

TScoreSheetPanel::TScoreSheetPanel(const QStringList& positions, QWidget* parent) : QFrame(parent) {
    resize(253, 205);
    PaintAsPanel(this, QColor(128, 128, 128));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    const QColor face = ButtonFaceColor();
    for (int row = 0; row <= ScoreSheetRows; ++row) {
        const int top = FirstRowTop + row * RowStep;
        const bool header = row == 0;
        lblScorePosition[row] =
            MakeLabel(this, header ? " " : positions.value(row - 1), 8, top, 65, Qt::AlignHCenter);
        lblHand[row] = MakeLabel(this, header ? " Hand" : "-", 76, top, 121, Qt::AlignHCenter);
        lblScore[row] = MakeLabel(this, header ? "Score" : "0", 200, top, 45, Qt::AlignHCenter);
        for (QLabel* label : {lblScorePosition[row], lblHand[row], lblScore[row]}) {
            QPalette own = label->palette();
            if (header) {
                // Headers are light text straight on the grey.
                own.setColor(QPalette::WindowText, face);
            } else {
                own.setColor(QPalette::Window, face);
                label->setAutoFillBackground(true);
            }
            label->setPalette(own);
        }
    }
    Label1 = MakeLabel(this, "Total Score:", 124, 184, 73, Qt::AlignRight);
    QPalette light = Label1->palette();
    light.setColor(QPalette::WindowText, face);
    Label1->setPalette(light);
    lblTotalScore = MakeLabel(this, "0", 200, 184, 45, Qt::AlignHCenter);
    QPalette field = lblTotalScore->palette();
    field.setColor(QPalette::Window, face);
    lblTotalScore->setPalette(field);
    lblTotalScore->setAutoFillBackground(true);
    lblScoreMode = MakeLabel(this, "", 8, 184, 97, Qt::AlignLeft);
    lblScoreMode->setToolTip("Scoring Mode - Click To Toggle");
    lblScoreMode->hide();
}

void TScoreSheetPanel::ShowRow(int row, const QString& hand, int score) {
    lblHand[row + 1]->setText(hand);
    lblScore[row + 1]->setText(QString::number(score));
}

void TScoreSheetPanel::ShowTotal(int total) {
    lblTotalScore->setText(QString::number(total));
}
