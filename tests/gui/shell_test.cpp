#include "gameregistry.h"
#include "pokermain.h"
#include "programresources.h"
#include "sharedforms.h"
#include "shelltesting.h"
#include "statsdialog.h"
#include "wallpaper.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

class Launcher : public TShellTest {
protected:
    void TearDown() override {
        GameWindowFactory = {};
        TShellTest::TearDown();
    }
};

QStringList Statistics(const TPokerMainForm& form) {
    return {form.lblNumGames->text(), form.lblAvgScore->text(), form.lblBestScore->text()};
}

TEST_F(Launcher, FirstStartOpensMaximisedWithPokerSquaresSelected) {
    TPokerMainForm form(StoreFile());
    form.show();
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tressalo"));
    ASSERT_EQ(form.lstGames->count(), 7);
    for (int g = 0; g < 7; ++g)
        EXPECT_EQ(form.lstGames->item(g)->text(),
                  QString::fromStdString(GameNames[static_cast<std::size_t>(g)]));
    EXPECT_EQ(form.lstGames->currentRow(), 0);
    EXPECT_EQ(form.lblGameName->text(), QStringLiteral("Poker Squares"));
    EXPECT_EQ(form.lblGameDescription->text(), LoadResString(300));
    EXPECT_EQ(form.imgScreenShot->pixmap().size(), QSize(187, 143));
    EXPECT_EQ(Statistics(form), (QStringList{"0", "0", "0"}));
    // The first-run defaults are in the store.
    EXPECT_EQ(ReadIniInteger("Options", "ImageNum", -1), 5);
    form.close();
}

TEST_F(Launcher, EveryGameHasItsPictureDescriptionAndStatistics) {
    OpenStore();
    WriteIniInteger("Poker Holdem", "Games", 4);
    WriteIniInteger("Poker Holdem", "Score", 1001);
    WriteIniInteger("Poker Holdem", "Best", 400);
    CloseGameData();
    TPokerMainForm form(StoreFile());
    for (int g = 0; g < 7; ++g) {
        form.lstGames->setCurrentRow(g);
        EXPECT_EQ(form.imgScreenShot->pixmap().size(), g == 6 ? QSize(166, 143) : QSize(187, 143));
        EXPECT_EQ(form.lblGameDescription->text(), LoadResString(300 + g));
        EXPECT_LT(LoadResString(300 + g).size(), 200);
    }
    form.lstGames->setCurrentRow(5);
    EXPECT_EQ(Statistics(form), (QStringList{"4", "250", "400"}));
}

TEST_F(Launcher, StoredNormalPlacementIsRestoredExactlyAndSavedBackOnClose) {
    OpenStore();
    WriteIniInteger("Main", "State", 0);
    WriteIniInteger("Main", "Left", 10);
    WriteIniInteger("Main", "Top", 20);
    WriteIniInteger("Main", "Width", 600);
    WriteIniInteger("Main", "Height", 450);
    CloseGameData();
    {
        TPokerMainForm form(StoreFile());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        EXPECT_FALSE(form.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
        EXPECT_EQ(form.pos(), QPoint(10, 20));
        EXPECT_EQ(form.size(), QSize(600, 450));
        form.move(30, 40);
        form.close();
        EXPECT_FALSE(GameDataOpen());
    }
    OpenStore();
    EXPECT_EQ(ReadIniInteger("Main", "Left", -1), 30);
    EXPECT_EQ(ReadIniInteger("Main", "Top", -1), 40);
    EXPECT_EQ(ReadIniInteger("Main", "Width", -1), 600);
    EXPECT_EQ(ReadIniInteger("Main", "Height", -1), 450);
    EXPECT_EQ(ReadIniInteger("Main", "State", -1), 0);
}

TEST_F(Launcher, LayoutCentresTitleAndPanelWithThirdsOfTheFreeHeight) {
    TPokerMainForm form(StoreFile());
    const struct {
        QSize Client;
        QPoint Title, Panel;
    } cases[] = {{{517, 360}, {13, 20}, {10, 133}},
                 {{1024, 700}, {267, 134}, {263, 247}},
                 {{600, 299}, {55, 0}, {51, 113}}};
    for (const auto& c : cases) {
        form.Client->resize(c.Client);
        form.FormResize();
        EXPECT_EQ(form.imgTitleBrenvik->pos(), c.Title) << c.Client.height();
        EXPECT_EQ(form.PanelGameSelect->pos(), c.Panel) << c.Client.height();
    }
}

TEST_F(Launcher, SmallestSizeDependsOnDensityAndFrame) {
    EXPECT_EQ(TPokerMainForm::MinimumTrackingSize(96, 4), QSize(548, 407));
    EXPECT_EQ(TPokerMainForm::MinimumTrackingSize(120, 4), QSize(636, 444));
    EXPECT_EQ(TPokerMainForm::MinimumTrackingSize(144, 0), QSize(628, 444));
}

TEST_F(Launcher, TileCoversTheScreenFromTheTopLeftCorner) {
    // A 100 x 100 tile marked at its corner covers 1024 x 768 in 11 x 8 tiles.
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    tile.setPixelColor(0, 0, Qt::red);
    QPixmap screen(1024, 768);
    screen.fill(Qt::white);
    TileImage(screen, tile);
    const QImage result = screen.toImage();
    int corners = 0;
    int white = 0;
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = result.pixel(x, y);
            corners += pixel == qRgb(255, 0, 0);
            white += pixel == qRgb(255, 255, 255);
            if (pixel == qRgb(255, 0, 0)) {
                EXPECT_TRUE(x % 100 == 0 && y % 100 == 0);
            }
        }
    EXPECT_EQ(corners, 11 * 8);
    EXPECT_EQ(white, 0);
    TileImage(screen, QImage()); // an empty tile draws nothing and returns
}

TEST_F(Launcher, RebuildWallpaperFollowsTheStore) {
    OpenStore();
    CreateWallpaperBitmap(QSize(1024, 768));
    const QString garbage = FolderPath() + QStringLiteral("/garbage.bmp");
    {
        QFile file(garbage);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }
    const QImage burlap = WallpaperTile(0);
    const QImage rocks = WallpaperTile(11);
    ASSERT_EQ(burlap.size(), QSize(100, 100));
    const struct {
        int Kind;
        int ImageNum;
        std::string Bitmap;
        const QImage* Expected; // null: unchanged (still white)
    } cases[] = {{0, 11, "", nullptr},
                 {2, 0, "/nowhere/gone.bmp", nullptr},
                 {2, 0, garbage.toStdString(), nullptr},
                 {1, 11, "", &rocks},
                 {1, 12, "", &burlap},
                 {1, 40, "", &burlap},
                 {1, -3, "", &burlap}};
    for (const auto& c : cases) {
        CreateWallpaperBitmap(QSize(1024, 768));
        WriteIniInteger("Options", "BackgroundType", c.Kind);
        WriteIniInteger("Options", "ImageNum", c.ImageNum);
        WriteIniString("Options", "Bitmap", c.Bitmap);
        RebuildWallpaper();
        const QImage result = WallpaperBitmap->toImage();
        for (QPoint at : {QPoint(0, 0), QPoint(1000, 700), QPoint(455, 333)}) {
            const QRgb expected = c.Expected ? c.Expected->pixel(at.x() % c.Expected->width(),
                                                                 at.y() % c.Expected->height())
                                             : qRgb(255, 255, 255);
            EXPECT_EQ(result.pixel(at), expected) << c.Kind << " " << c.ImageNum;
        }
    }
    FreeWallpaperBitmap();
    EXPECT_EQ(WallpaperBitmap, nullptr);
}

TEST_F(Launcher, ClearedStatisticsShowAsSoonAsTheStatisticsWindowCloses) {
    TPokerMainForm form(StoreFile());
    TSharedForms forms;
    RecordGameResult(0, 30);
    SaveGameStats(0);
    form.lstGamesClick();
    EXPECT_EQ(Statistics(form), (QStringList{"1", "30", "30"}));
    WhenModal<TStatsDialogForm>([](TStatsDialogForm* stats) {
        AnswerMessageBox(QMessageBox::Yes);
        stats->btnClear->click();
        stats->OKBtn->click();
    });
    form.mnuStatisticsClick();
    EXPECT_EQ(Statistics(form), (QStringList{"0", "0", "0"}));
}

TEST_F(Launcher, PlayOpensTheRegisteredGameAndComesBackWithItsResult) {
    TPokerMainForm form(StoreFile());
    form.show();
    // Without a registered window Play opens nothing.
    QTest::mouseClick(form.btnPlay, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());

    int opened = -1;
    bool launcherHidden = false;
    RegisterGameWindow(2, [&](int game, QWidget* launcher) {
        opened = game;
        launcher->hide(); // a game window hides the launcher while it is active
        launcherHidden = !launcher->isVisible();
        LoadGameStats(game);
        RecordGameResult(game, 77);
        SaveGameStats(game);
    });
    const QPoint item = form.lstGames->visualItemRect(form.lstGames->item(2)).center();
    QTest::mouseClick(form.lstGames->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(form.lstGames->viewport(), Qt::LeftButton, {},
                       form.lstGames->visualItemRect(form.lstGames->item(2)).center());
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(launcherHidden);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Statistics(form), (QStringList{"1", "77", "77"}));
    form.close();
}

TEST_F(Launcher, WebSiteAndRulesGoWhereTheyShould) {
    TPokerMainForm form(StoreFile());
    QUrl opened;
    SetUrlOpener([&](const QUrl& url) {
        opened = url;
        return true;
    });
    form.mnuVisitBrenvikOnTheWeb->trigger();
    EXPECT_EQ(opened, QUrl(QStringLiteral("https://tressalo.example.com/")));
    SetUrlOpener(nullptr);
    EXPECT_EQ(form.Exit1->shortcut(), QKeySequence(Qt::Key_F10));
    EXPECT_EQ(form.Contents1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form.mnuVisitBrenvikOnTheWeb->text(), QStringLiteral("Visit Brenvik On The Web"));
}

} // namespace
