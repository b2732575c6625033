#include "aboutbox.h"
#include "helpviewer.h"
#include "optionsdialog.h"
#include "pokermain.h"
#include "screenmetrics.h"
#include "shelltesting.h"
#include "statsdialog.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>
#include <QToolButton>
#include <set>

namespace {

class AboutBox : public TShellTest {
protected:
    void TearDown() override {
        SetScreenMetricsSource(nullptr);
        SetUrlOpener(nullptr);
        TShellTest::TearDown();
    }
    void UseDisplay(int bits, int dpi) {
        SetDisplayInfo({1024, 768, bits, 1});
        SetScreenMetricsSource([dpi] {
            TScreenMetrics metrics;
            metrics.DotsPerInch = dpi;
            return metrics;
        });
    }
};

TEST_F(AboutBox, ShowsTitleVersionIconAndAddress) {
    TAboutBoxForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("About Tressalo"));
    EXPECT_EQ(form.lblProductName->text(), QStringLiteral("Tressalo"));
    EXPECT_EQ(form.lblVersion->text(), QStringLiteral("Version 1.1.0.0, Feb  5 1999"));
    EXPECT_EQ(form.Label4->text(), QStringLiteral("https://tressalo.example.com/"));
    EXPECT_FALSE(form.imgIcon->pixmap().isNull());
    EXPECT_EQ(form.size(), QSize(368, 239));
    EXPECT_EQ(form.OKButton->geometry(), QRect((368 - 75) / 2, 208, 75, 25));
}

TEST_F(AboutBox, DisplayReportHasFourLines) {
    UseDisplay(16, 96);
    const QStringList lines = TAboutBoxForm::DisplayReport().split(QLatin1Char('\n'));
    EXPECT_EQ(lines, (QStringList{"Debug Information:", " Screen Resolution: 1024 x 768",
                                  " Color Depth: 16-bit high color", " Font Size: Small"}));
    const struct {
        int Bits, Dpi;
        const char *Depth, *Font;
    } cases[] = {{32, 96, " Color Depth: Unknown", " Font Size: Small"},
                 {24, 120, " Color Depth: 24-bit true color", " Font Size: Large"},
                 {8, 144, " Color Depth: 256 colors", " Font Size: Unknown"},
                 {4, 96, " Color Depth: 16 colors", " Font Size: Small"},
                 {1, 96, " Color Depth: Monochrome", " Font Size: Small"}};
    for (const auto& c : cases) {
        UseDisplay(c.Bits, c.Dpi);
        const QStringList report = TAboutBoxForm::DisplayReport().split(QLatin1Char('\n'));
        ASSERT_EQ(report.size(), 4);
        EXPECT_EQ(report[2], QString::fromLatin1(c.Depth));
        EXPECT_EQ(report[3], QString::fromLatin1(c.Font));
    }
}

TEST_F(AboutBox, ClickingTheVersionShowsTheReportAndTheLinkOpensTheSite) {
    UseDisplay(16, 96);
    TAboutBoxForm form;
    form.show();
    QString text;
    AnswerMessageBox(QMessageBox::Ok, &text);
    QTest::mouseClick(form.lblVersion, Qt::LeftButton);
    EXPECT_EQ(text, TAboutBoxForm::DisplayReport());
    QUrl opened;
    SetUrlOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    QTest::mouseClick(form.Label4, Qt::LeftButton);
    EXPECT_EQ(opened, QUrl(QStringLiteral("https://tressalo.example.com/")));
    QTest::mouseClick(form.OKButton, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

QString HelpFileText() {
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/help/Tressalo.hlp"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    return in.readAll();
}

TEST(HelpFile, HasEveryTopicTheProgramAsksForAndNoBrokenLinks) {
    const std::vector<THelpTopic> topics = ParseHelpText(HelpFileText());
    std::set<int> numbers;
    for (const THelpTopic& topic : topics) {
        EXPECT_TRUE(numbers.insert(topic.Number).second) << "twice: " << topic.Number;
        EXPECT_FALSE(topic.Title.isEmpty());
        EXPECT_GT(topic.Body.size(), 100) << topic.Number;
    }
    for (int needed : {0, 100, 165, 170, 172, 175, 180, 185, 187, 190, 210, 220, 235})
        EXPECT_TRUE(numbers.count(needed)) << needed;
    const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    for (const THelpTopic& topic : topics)
        for (const auto& match : link.globalMatch(topic.Body))
            EXPECT_TRUE(numbers.count(match.captured(1).toInt()))
                << topic.Number << " links to " << match.captured(1).toStdString();
}

TEST(HelpFile, ThePointTableIsTheProgramsOwn) {
    const auto topics = ParseHelpText(HelpFileText());
    const auto scoring = std::find_if(topics.begin(), topics.end(),
                                      [](const THelpTopic& t) { return t.Number == 210; });
    ASSERT_NE(scoring, topics.end());
    for (const auto& [name, english, american, wild] :
         {std::tuple{"Five Of A Kind", 40, 150, 75}, std::tuple{"Straight", 12, 15, 12},
          std::tuple{"Full House", 10, 25, 15}, std::tuple{"None", 0, 0, 1}})
        EXPECT_TRUE(
            scoring->Body.contains(QStringLiteral("<td>%1</td><td>%2</td><td>%3</td><td>%4</td>")
                                       .arg(QLatin1String(name))
                                       .arg(english)
                                       .arg(american)
                                       .arg(wild)))
            << name;
}

TEST(HelpFile, ParsesTopicsAndSkipsCommentsAndBadHeaders) {
    const auto topics = ParseHelpText(QStringLiteral("# comment\r\n@topic 7 Seven\r\n<p>a</p>\r\n"
                                                     "@topic x Broken\n@topic 9\nbody"));
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].Number, 7);
    EXPECT_EQ(topics[0].Title, QStringLiteral("Seven"));
    EXPECT_EQ(topics[0].Body, QStringLiteral("<p>a</p>\n"));
    EXPECT_EQ(topics[1].Number, 9);
    EXPECT_EQ(topics[1].Body, QStringLiteral("body\n"));
}

// F1 in each dialog opens that dialog's own topic.
TEST_F(AboutBox, F1OpensEachDialogsTopic) {
    OpenStore();
    SetApplicationHelpFile(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/help/Tressalo.hlp"));
    TAboutBoxForm about;
    TStatsDialogForm stats;
    TOptionsDialogForm options;
    const std::pair<QDialog*, int> cases[] = {{&about, 100}, {&stats, 220}, {&options, 190}};
    for (const auto& [dialog, topic] : cases) {
        dialog->show();
        QTest::keyClick(dialog, Qt::Key_F1);
        ASSERT_NE(THelpViewerForm::Instance(), nullptr);
        EXPECT_EQ(THelpViewerForm::Instance()->CurrentTopic(), topic)
            << dialog->objectName().toStdString();
        EXPECT_TRUE(dialog->isVisible());
        THelpViewerForm::Release();
        dialog->hide();
    }
}

TEST_F(AboutBox, RulesOpenTheGamesTopicAndAMissingFileIsReported) {
    TPokerMainForm form(StoreFile());
    SetApplicationHelpFile(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/help/Tressalo.hlp"));
    const int topics[] = {185, 180, 170, 175, 165, 172, 187};
    for (int g = 0; g < 7; ++g) {
        form.lstGames->setCurrentRow(g);
        QTest::mouseClick(form.btnRules, Qt::LeftButton);
        ASSERT_NE(THelpViewerForm::Instance(), nullptr);
        EXPECT_EQ(THelpViewerForm::Instance()->CurrentTopic(), topics[g]);
    }
    form.Contents1->trigger();
    EXPECT_EQ(THelpViewerForm::Instance()->CurrentTopic(), 0);
    // A link in a topic leads to another topic.
    EXPECT_FALSE(THelpViewerForm::Instance()->ShowTopic(4321)); // unknown: contents instead
    EXPECT_EQ(THelpViewerForm::Instance()->CurrentTopic(), 0);
    THelpViewerForm::Release();

    SetApplicationHelpFile(FolderPath() + QStringLiteral("/missing.hlp"));
    QString text;
    AnswerMessageBox(QMessageBox::Ok, &text);
    ShowHelpTopic(HelpTopic::Options);
    EXPECT_TRUE(text.contains(QStringLiteral("missing.hlp")));
    EXPECT_EQ(THelpViewerForm::Instance() ? THelpViewerForm::Instance()->isVisible() : false,
              false);
    THelpViewerForm::Release();
    form.close();
}

} // namespace
