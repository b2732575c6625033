// What the whole program shares about itself: its title, its help file and
// the maker's web site.  Every window asks for help through ShowHelpTopic.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

// "Tressalo" once the launcher has been created; captions are built on it.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

// The launcher window, over which the shared windows centre themselves;
// null while there is none.
QWidget* LauncherWindow();
void SetLauncherWindow(QWidget* launcher);

// The help file, "Tressalo.hlp" beside the executable.
QString ApplicationHelpFile();
void SetApplicationHelpFile(const QString& path);
QString DefaultHelpFilePath();

// Help topic numbers.
namespace HelpTopic {
inline constexpr int Contents = 0;
inline constexpr int About = 100;
inline constexpr int PokerColumns = 165;
inline constexpr int PokerElimination = 170;
inline constexpr int PokerHoldem = 172;
inline constexpr int PokerPuzzle = 175;
inline constexpr int PokerShuffle = 180;
inline constexpr int PokerSquares = 185;
inline constexpr int PokerYacht = 187;
inline constexpr int Options = 190;
inline constexpr int ScoringSystems = 210;
inline constexpr int Statistics = 220;
inline constexpr int SelectHand = 235;
} // namespace HelpTopic

// The rules topic of each game, by game index.
int GameHelpTopic(int game);

// Opens the help viewer at a topic (HelpTopic::Contents for the contents).
// A missing help file is reported in a message box and nothing else happens.
void ShowHelpTopic(int topic);
void ShowHelpContents();

// The maker's web site.
inline constexpr const char* MakersWebAddress = "https://tressalo.example.com/";

// Opens an address in the desktop's browser.  Tests replace it to see what
// would be opened.
using TUrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(TUrlOpener opener);
bool OpenUrl(const QUrl& url);

// Runs a step that writes the store.  A write the file system refuses ends
// the step where it failed and is reported in a message box with the error's
// text ("Unable to write to ..."); the program carries on.  False when it
// failed.
bool RunReportingErrors(const std::function<void()>& step);
