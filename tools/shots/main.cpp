// Pictures of the shell's windows for a look and for the README:
//   tressalo_shots OUTPUT_FOLDER
// Each window is opened on a fresh store of its own, drawn, grabbed and
// saved as a PNG.
#include "aboutbox.h"
#include "application.h"
#include "cardimages.h"
#include "gamedata.h"
#include "helpviewer.h"
#include "optionsdialog.h"
#include "pokermain.h"
#include "sharedforms.h"
#include "shellgamehost.h"
#include "statsdialog.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QDir output;

void Save(QWidget* window, const QString& name) {
    window->raise();
    window->activateWindow();
    QTest::qWait(150);
    const QString path = output.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void SetOptions(int backgroundType, int imageNum) {
    WriteIniInteger("Options", "BackgroundType", backgroundType);
    WriteIniInteger("Options", "ImageNum", imageNum);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tressalo_shots OUTPUT_FOLDER\n");
        return 2;
    }
    output.setPath(QString::fromLocal8Bit(argv[1]));
    output.mkpath(QStringLiteral("."));
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    TCardImages::Install();
    SetDisplayInfo({1280, 1024, 24, 1});
    ConnectGameWindows();

    QTemporaryDir folder;
    const std::filesystem::path store = QDir(folder.path()).filePath("Tressalo.INI").toStdString();
    {
        TPokerMainForm launcher(store);
        TSharedForms forms;
        SetApplicationHelpFile(QDir(QCoreApplication::applicationDirPath())
                                   .filePath(QStringLiteral("../../shell/Tressalo.hlp")));
        // A few results so the numbers show.
        RecordGameResult(0, 0);
        LoadGameStats(0);
        for (int score : {412, 388, 530})
            RecordGameResult(0, score), SaveGameStats(0);
        LoadGameStats(2);
        RecordGameResult(2, 1210);
        SaveGameStats(2);

        WriteIniInteger("Main", "State", 0);
        WriteIniInteger("Main", "Width", 640);
        WriteIniInteger("Main", "Height", 480);
        WriteIniInteger("Main", "Left", 40);
        WriteIniInteger("Main", "Top", 40);
        SetOptions(0, 0);
        launcher.show();
        launcher.lstGamesClick();
        Save(&launcher, QStringLiteral("launcher-solid"));
        launcher.hide();
        SetOptions(1, 5);
        launcher.show();
        Save(&launcher, QStringLiteral("launcher-wallpaper"));
        for (int n : {0, 3, 4, 8, 11}) {
            launcher.hide();
            SetOptions(1, n);
            launcher.lstGames->setCurrentRow(n % 7);
            launcher.show();
            Save(&launcher, QStringLiteral("launcher-wallpaper-%1").arg(n));
        }

        OptionsDialogForm->show();
        OptionsDialogForm->pageBackground->setCurrentIndex(0);
        Save(OptionsDialogForm, QStringLiteral("options-general"));
        OptionsDialogForm->pageBackground->setCurrentIndex(1);
        Save(OptionsDialogForm, QStringLiteral("options-background"));
        OptionsDialogForm->ListBoxWallpaper->setCurrentRow(1);
        Save(OptionsDialogForm, QStringLiteral("options-background-chalk"));
        OptionsDialogForm->reject();

        StatsDialogForm->show();
        Save(StatsDialogForm, QStringLiteral("statistics"));
        StatsDialogForm->hide();

        TAboutBoxForm about(&launcher);
        about.show();
        Save(&about, QStringLiteral("about"));
        about.hide();

        ShowHelpTopic(HelpTopic::PokerSquares);
        if (THelpViewerForm* viewer = THelpViewerForm::Instance())
            Save(viewer, QStringLiteral("help"));
        ShowHelpTopic(HelpTopic::ScoringSystems);
        if (THelpViewerForm* viewer = THelpViewerForm::Instance())
            Save(viewer, QStringLiteral("help-scoring"));
        // Poker Squares opened from the launcher, on the wallpaper.
        launcher.lstGames->setCurrentRow(0);
        QTimer::singleShot(800, [] {
            if (QWidget* game = QApplication::activeModalWidget()) {
                Save(game, QStringLiteral("game-from-launcher"));
                game->close();
            }
        });
        launcher.LaunchGame(0);
        launcher.close();
    }
    return 0;
}
