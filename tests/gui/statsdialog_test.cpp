#include "shelltesting.h"
#include "statsdialog.h"

#include <QLabel>
#include <QPushButton>

namespace {

class StatsDialog : public TShellTest {};

// Each row's four texts, by game index.
std::vector<QStringList> Rows(const TStatsDialogForm& form) {
    std::vector<QStringList> rows;
    for (std::size_t g = 0; g < 7; ++g)
        rows.push_back({form.lblGameName[g]->text(), form.lblNumGames[g]->text(),
                        form.lblAvgScore[g]->text(), form.lblBestScore[g]->text()});
    return rows;
}

TEST_F(StatsDialog, EmptyStoreShowsEveryGameWithZerosAndTheCaption) {
    OpenStore();
    TStatsDialogForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tressalo - Statistics"));
    EXPECT_EQ(form.size(), QSize(313, 198));
    form.show();
    const auto rows = Rows(form);
    for (std::size_t g = 0; g < 7; ++g)
        EXPECT_EQ(rows[g], (QStringList{QString::fromStdString(GameNames[g]), "0", "0", "0"}));
    form.hide();
}

TEST_F(StatsDialog, AverageIsTheWholeQuotientAndEveryShowingReloads) {
    OpenStore();
    TStatsDialogForm form;
    WriteIniInteger("Poker Puzzle", "Games", 3);
    WriteIniInteger("Poker Puzzle", "Score", 20);
    WriteIniInteger("Poker Puzzle", "Best", 11);
    form.show();
    EXPECT_EQ(Rows(form)[3], (QStringList{"Poker Puzzle", "3", "6", "11"}));
    form.hide();
    WriteIniInteger("Poker Puzzle", "Games", 4);
    form.show();
    EXPECT_EQ(Rows(form)[3][1], "4");
    EXPECT_EQ(Rows(form)[3][2], "5");
    form.hide();
}

TEST_F(StatsDialog, ClearAnsweredNoChangesNothingAndYesZeroesAllGamesButNotPlacements) {
    OpenStore();
    for (int g = 0; g < 7; ++g) {
        const std::string section = GameNames[static_cast<std::size_t>(g)];
        WriteIniInteger(section, "Games", g + 1);
        WriteIniInteger(section, "Score", 10 * (g + 1));
        WriteIniInteger(section, "Best", 10);
    }
    WriteIniInteger("Poker Yacht", "Width", 640);
    TStatsDialogForm form;
    form.show();
    const auto before = Rows(form);

    QString question;
    AnswerMessageBox(QMessageBox::No, &question);
    QTest::mouseClick(form.btnClear, Qt::LeftButton);
    EXPECT_EQ(question, QStringLiteral("Are you sure you want to clear the statistics?"));
    EXPECT_EQ(Rows(form), before);
    EXPECT_EQ(ReadIniInteger("Poker Holdem", "Games", -1), 6);

    AnswerMessageBox(QMessageBox::Yes);
    QTest::mouseClick(form.btnClear, Qt::LeftButton);
    for (const QStringList& row : Rows(form))
        EXPECT_EQ(row.mid(1), (QStringList{"0", "0", "0"}));
    for (int g = 0; g < 7; ++g) {
        const std::string section = GameNames[static_cast<std::size_t>(g)];
        EXPECT_EQ(ReadIniInteger(section, "Games", -1), 0);
        EXPECT_EQ(ReadIniInteger(section, "Score", -1), 0);
        EXPECT_EQ(ReadIniInteger(section, "Best", -1), 0);
    }
    EXPECT_EQ(ReadIniInteger("Poker Yacht", "Width", -1), 640);
    form.hide();
}

TEST_F(StatsDialog, OkAndEscapeClose) {
    OpenStore();
    TStatsDialogForm form;
    for (bool escape : {false, true}) {
        QTimer::singleShot(0, [&] {
            if (escape)
                QTest::keyClick(&form, Qt::Key_Escape);
            else
                QTest::mouseClick(form.OKBtn, Qt::LeftButton);
        });
        form.exec();
        EXPECT_FALSE(form.isVisible());
    }
}

} // namespace
