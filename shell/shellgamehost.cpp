#include "shellgamehost.h"

#include "application.h"
#include "gamedata.h"
#include "gameregistry.h"
#include "gamewindows.h"
#include "optionsdialog.h"
#include "programresources.h"
#include "selecthand.h"
#include "soundport.h"
#include "statsdialog.h"
#include "wallpaper.h"

namespace {

TShellGameHost host;

SoundPort::TSound PortSound(GameSound sound) {
    switch (sound) {
    case GameSound::Shuffle: return SoundPort::Shuffle;
    case GameSound::CardUp: return SoundPort::CardUp;
    case GameSound::CardDown: return SoundPort::CardDown;
    case GameSound::CashIn: return SoundPort::CashIn;
    default: return SoundPort::Undo;
    }
}

} // namespace

void TShellGameHost::PlaySound(GameSound sound) {
    SoundPort::Play(PortSound(sound));
}

bool TShellGameHost::ShowOptions(QWidget*) {
    if (!OptionsDialogForm)
        return false;
    OptionsDialogForm->exec();
    return OptionsAppearanceChanged;
}

void TShellGameHost::ShowStatistics(QWidget*) {
    if (StatsDialogForm)
        StatsDialogForm->exec();
}

void TShellGameHost::ShowHelp(QWidget*, int topic) {
    ShowHelpTopic(topic);
}

const QPixmap* TShellGameHost::Wallpaper() {
    // The launcher makes it each time it is shown; a game window opened
    // without the launcher gets one of the screen's size.
    if (!WallpaperBitmap) {
        const TDisplayInfo& display = GetDisplayInfo();
        CreateWallpaperBitmap(QSize(display.Width, display.Height));
        ::RebuildWallpaper();
    }
    return WallpaperBitmap;
}

void TShellGameHost::RebuildWallpaper() {
    ::RebuildWallpaper();
}

QIcon TShellGameHost::ToolbarIcon(ToolbarButton button) {
    switch (button) {
    case ToolbarButton::NewHand: return LoadProgramIcon(QStringLiteral("TB_NEWHAND"));
    case ToolbarButton::Undo: return LoadProgramIcon(QStringLiteral("TB_UNDO"));
    case ToolbarButton::Stats: return LoadProgramIcon(QStringLiteral("TB_STATS"));
    case ToolbarButton::Options: return LoadProgramIcon(QStringLiteral("TB_OPTIONS"));
    case ToolbarButton::Exit: return LoadProgramIcon(QStringLiteral("TB_EXIT"));
    default: return LoadProgramIcon(QStringLiteral("TB_HELP"));
    }
}

void ConnectGameWindows() {
    SetGameHost(&host);
    for (int game = 0; game < GameCount; ++game)
        RegisterGameWindow(game, [](int g, QWidget* launcher) { OpenGameWindow(g, launcher); });
    SelectHandFormCreator = [] {
        CreateSelectHandForm(nullptr);
        return std::unique_ptr<QWidget>(SelectHandForm);
    };
}
