// Connects the game windows to the program: their sounds, the options and
// statistics windows, help, the shared wallpaper and the toolbar pictures
// come from the shell, and the launcher opens them through its game table.
#pragma once

#include "gamehost.h"

class TShellGameHost : public TGameHost {
public:
    void PlaySound(GameSound sound) override;
    bool ShowOptions(QWidget* parent) override;
    void ShowStatistics(QWidget* parent) override;
    void ShowHelp(QWidget* parent, int topic) override;
    const QPixmap* Wallpaper() override;
    void RebuildWallpaper() override;
    QIcon ToolbarIcon(ToolbarButton button) override;
};

// Installs the shell's host for the game windows, registers every game window
// in the launcher's table and the Select Hand dialog for the windows made at
// start.  The program calls it once, before the launcher is created.
void ConnectGameWindows();
