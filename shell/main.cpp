#include "application.h"
#include "cardimages.h"
#include "context.h"
#include "gamedata.h"
#include "pokermain.h"
#include "screenmetrics.h"
#include "sharedforms.h"
#include "shellgamehost.h"
#include "startupprobe.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <exception>

namespace {

// The store learns the display from the screen: its first-run defaults and
// window placements depend on it.
void TellStoreTheDisplay() {
    const TScreenMetrics screen = CurrentScreenMetrics();
    SetDisplayInfo({screen.Width, screen.Height, screen.BitsPerPixel, screen.Planes});
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tressalo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tressalo"));
    // The windows are laid out in pixels for a small, compact font.
    QFont font = QApplication::font();
    font.setPixelSize(11);
    QApplication::setFont(font);
    // The launcher ends the program; a game window closing while the launcher
    // is hidden must not.
    QApplication::setQuitOnLastWindowClosed(false);

    TellStoreTheDisplay();
    TCardImages::Install();
    SetUndoBeepHook([] { QApplication::beep(); });
    ConnectGameWindows();

    try {
        TPokerMainForm mainForm(
            DefaultGameDataPath(QCoreApplication::applicationDirPath().toStdString()));
        TSharedForms sharedForms;
        QObject::connect(&mainForm, &TPokerMainForm::Closed, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        WatchFirstPaint(mainForm.Client);
        mainForm.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tressalo"),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
