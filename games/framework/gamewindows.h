// Opening a game window from the launcher.
#pragma once

class QWidget;

// Creates the window of game g (0 to 6), shows it modally and destroys it when
// it closes; the launcher is hidden while the game window is active and shown
// again afterwards.  Returns false, opening nothing, for a game without a
// window.
bool OpenGameWindow(int game, QWidget* launcher);
