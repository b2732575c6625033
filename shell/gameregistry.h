// Where the game windows plug into the launcher.  The launcher knows the
// games only through this table, so it builds and runs without them; the
// program registers each game's window before the launcher is created.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

// Opens game `game` (0..6): creates its window, shows it modally (hiding the
// launcher while it is active) and returns when it has closed.
using TGameWindowOpener = std::function<void(int game, QWidget* launcher)>;

// One entry per game index; an empty entry opens nothing.
extern std::array<TGameWindowOpener, 7> GameWindowFactory;

void RegisterGameWindow(int game, TGameWindowOpener opener);

// Creates the program's Select Hand dialog at start (before the statistics and
// options windows).  The program keeps the window it returns until the end;
// the creator may note it in its own global.
using TFormCreator = std::function<std::unique_ptr<QWidget>()>;
extern TFormCreator SelectHandFormCreator;
