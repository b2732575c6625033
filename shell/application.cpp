#include "application.h"

#include "helpviewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <exception>

namespace {

QString title;
QPointer<QWidget> launcherWindow;
QString helpFile;
TUrlOpener urlOpener;

} // namespace

QString ApplicationTitle() {
    return title;
}

void SetApplicationTitle(const QString& newTitle) {
    title = newTitle;
}

QWidget* LauncherWindow() {
    return launcherWindow;
}

void SetLauncherWindow(QWidget* launcher) {
    launcherWindow = launcher;
}

QString ApplicationHelpFile() {
    return helpFile;
}

void SetApplicationHelpFile(const QString& path) {
    helpFile = path;
}

QString DefaultHelpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Tressalo.hlp"));
}

int GameHelpTopic(int game) {
    static constexpr int topics[] = {HelpTopic::PokerSquares,     HelpTopic::PokerShuffle,
                                     HelpTopic::PokerElimination, HelpTopic::PokerPuzzle,
                                     HelpTopic::PokerColumns,     HelpTopic::PokerHoldem,
                                     HelpTopic::PokerYacht};
    return game >= 0 && game < 7 ? topics[game] : -1;
}

void ShowHelpTopic(int topic) {
    THelpViewerForm::Show(helpFile.isEmpty() ? DefaultHelpFilePath() : helpFile, topic);
}

void ShowHelpContents() {
    ShowHelpTopic(HelpTopic::Contents);
}

void SetUrlOpener(TUrlOpener opener) {
    urlOpener = std::move(opener);
}

bool OpenUrl(const QUrl& url) {
    return urlOpener ? urlOpener(url) : QDesktopServices::openUrl(url);
}

bool RunReportingErrors(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        QMessageBox::critical(QApplication::activeModalWidget(), ApplicationTitle(),
                              QString::fromLocal8Bit(error.what()));
        return false;
    }
}
