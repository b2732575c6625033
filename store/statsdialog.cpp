#include "statsdialog.h"

#include "application.h"
#include "colorvalue.h"
#include "gamedata.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

TStatsDialogForm* StatsDialogForm = nullptr;

namespace {

QLabel* CellLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, 13);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Averages are whole numbers (an integer quotient), printed without decimals.
QString NumberText(float value) {
    return QString::number(static_cast<long long>(value));
}

} // namespace

TStatsDialogForm::TStatsDialogForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StatsDialogForm"));
    setWindowTitle(ApplicationTitle() + QStringLiteral(" - Statistics"));
    setFixedSize(313, 198);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Panel4 = new QFrame(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(8, 8, 297, 149);
    Panel4->setFrameShape(QFrame::NoFrame);
    Panel4->setAutoFillBackground(true);
    QPalette grey = Panel4->palette();
    grey.setColor(QPalette::Window, ColorFromValue(ColorGrayText));
    Panel4->setPalette(grey);

    const QColor face = ColorFromValue(ColorButtonFace);
    auto header = [&](const char* name, const QString& text, int left, int width) {
        QLabel* label = CellLabel(Panel4, name, text, left, 12, width);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, face);
        label->setPalette(palette);
        return label;
    };
    Label10 = header("Label10", QStringLiteral("Game"), 12, 93);
    Label11 = header("Label11", QStringLiteral("Games"), 108, 57);
    lblHand0 = header("lblHand0", QStringLiteral("Average"), 168, 57);
    lblScore0 = header("lblScore0", QStringLiteral("Best"), 228, 57);

    auto cell = [&](const QString& name, const QString& text, int left, int top, int width) {
        QLabel* label = CellLabel(Panel4, "", text, left, top, width);
        label->setObjectName(name);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, face);
        palette.setColor(QPalette::WindowText, ColorFromValue(ColorButtonText));
        label->setPalette(palette);
        return label;
    };
    for (int g = 0; g < GameCount; ++g) {
        const int top = 28 + 16 * g;
        const auto i = static_cast<std::size_t>(g);
        lblGameName[i] =
            cell(QStringLiteral("lblGameName%1").arg(g), QStringLiteral("?"), 12, top, 93);
        lblNumGames[i] =
            cell(QStringLiteral("lblNumGames%1").arg(g), QStringLiteral("0"), 108, top, 57);
        lblAvgScore[i] =
            cell(QStringLiteral("lblAvgScore%1").arg(g), QStringLiteral("-"), 168, top, 57);
        lblBestScore[i] =
            cell(QStringLiteral("lblBestScore%1").arg(g), QStringLiteral("0"), 228, top, 57);
    }

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(35, 166, 75, 25);
    OKBtn->setDefault(true);
    btnClear = new QPushButton(QStringLiteral("Clear"), this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnClear->setGeometry(119, 166, 75, 25);
    btnClear->setAutoDefault(false);
    HelpBtn = new QPushButton(QStringLiteral("&Help"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    HelpBtn->setGeometry(203, 166, 75, 25);
    HelpBtn->setAutoDefault(false);

    // Escape rejects the dialog, which closes it just as OK does.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnClear, &QPushButton::clicked, this, [this] { btnClearClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpContext); });
}

void TStatsDialogForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Centred on the screen.
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.left() + (area.width() - width()) / 2,
                 area.top() + (area.height() - height()) / 2);
        }
        FormShow();
    }
    QDialog::showEvent(event);
}

void TStatsDialogForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(HelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TStatsDialogForm::FormShow() {
    for (int g = 0; g < GameCount; ++g) {
        LoadGameStats(g);
        const auto i = static_cast<std::size_t>(g);
        const TGameStats& stats = GameStats[i];
        lblGameName[i]->setText(QString::fromStdString(GameNames[i]));
        lblNumGames[i]->setText(QString::number(stats.Games));
        lblAvgScore[i]->setText(NumberText(stats.Average));
        lblBestScore[i]->setText(QString::number(stats.Best));
    }
}

void TStatsDialogForm::btnClearClick() {
    const auto answer = QMessageBox::question(
        this, ApplicationTitle(), QStringLiteral("Are you sure you want to clear the statistics?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // A refused write stops the clearing; the window then keeps what it showed.
    RunReportingErrors([this] {
        ClearGameStats();
        FormShow();
    });
}
