// What the game windows need from the rest of the program: the sounds, the
// options and statistics windows, help, the shared wallpaper and the toolbar
// pictures.  The launcher installs its own host with
// SetGameHost; until then a plain stand-in serves (silent, no options or
// statistics window, a drawn wallpaper and drawn toolbar pictures).
#pragma once

#include "gameoutside.h"

#include <QIcon>
#include <QPixmap>

#include <memory>

class QWidget;

enum class ToolbarButton { NewHand, Undo, Stats, Options, Exit, Help };

class TGameHost {
public:
    virtual ~TGameHost() = default;

    virtual void PlaySound(GameSound sound);
    // The options window, modal; returns OptionsAppearanceChanged.
    virtual bool ShowOptions(QWidget* parent);
    // The statistics window, modal.
    virtual void ShowStatistics(QWidget* parent);
    // The help viewer at a topic number.
    virtual void ShowHelp(QWidget* parent, int topic);
    // The screen-sized table picture (WallpaperBitmap) and its rebuild from
    // the store (RebuildWallpaper).
    virtual const QPixmap* Wallpaper();
    virtual void RebuildWallpaper();
    // A toolbar picture; Undo, Options and Help also have a disabled picture.
    virtual QIcon ToolbarIcon(ToolbarButton button);

protected:
    // The stand-in's own wallpaper, let go before the application ends.
    std::unique_ptr<QPixmap> wallpaper_;
};

// The host in force; SetGameHost(nullptr) goes back to the stand-in.  The
// host is not owned and must outlive the game windows.
TGameHost& GameHost();
void SetGameHost(TGameHost* host);
