// The settings and statistics store: one INI file holding the options, every
// window's placement and each game's statistics.  A single instance for the
// whole program, reached through free functions.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

inline constexpr int GameCount = 7;

// The seven game names in game-index order, then "future", which is never a game.
extern const std::array<std::string, GameCount + 1> GameNames;

struct TGameStats {
    int Games = 0;
    int Score = 0;
    float Average = 0; // Score div Games, never stored
    int Best = 0;
};

extern std::array<TGameStats, GameCount> GameStats;

// What the store needs to know of the display: the window layer fills it from
// the screen, tests fill it as they please.
struct TDisplayInfo {
    int Width = 1024;
    int Height = 768;
    int BitsPerPixel = 16;
    int Planes = 1;
};
void SetDisplayInfo(const TDisplayInfo& display);
const TDisplayInfo& GetDisplayInfo();

// Where the store lives: "Tressalo.INI" in the executable's folder when that
// folder is writable; otherwise $XDG_CONFIG_HOME/Tressalo/Tressalo.INI
// (~/.config by default), whose folder is created.
std::filesystem::path DefaultGameDataPath(const std::filesystem::path& executableFolder);

// Opens the store at the given file and writes the first-run defaults once.
void InitGameData(const std::filesystem::path& file);
void CloseGameData();
bool GameDataOpen();
std::filesystem::path GameDataPath();

// Reads give the default when the store is closed; writes to a closed store do
// nothing.  A refused write throws EStoreWriteError ("Unable to write to ...").
int ReadIniInteger(std::string_view section, std::string_view key, int defaultValue);
void WriteIniInteger(std::string_view section, std::string_view key, int value);
bool ReadIniBool(std::string_view section, std::string_view key, bool defaultValue);
void WriteIniBool(std::string_view section, std::string_view key, bool value);
std::string ReadIniString(std::string_view section, std::string_view key,
                          std::string_view defaultValue);
void WriteIniString(std::string_view section, std::string_view key, std::string_view value);

void LoadGameStats(int game);
void RecordGameResult(int game, int score);
void SaveGameStats(int game);
void ClearGameStats();

struct TWindowPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int State = 2; // 0 normal, 1 minimised, 2 maximised
};
TWindowPlacement LoadWindowPlacement(std::string_view section, int defaultWidth, int defaultHeight);
void SaveWindowPlacement(std::string_view section, const TWindowPlacement& placement);

// 0 unknown, 1 monochrome, 2 16 colours, 3 256 colours, 4 16-bit, 5 24-bit.
int GetColorDepthClass();

// The defaults every reader passes for the options.
namespace OptionDefaults {
inline constexpr int CardSize = 1;
inline constexpr int BGColor = 6729762;
inline constexpr int BackgroundType = 0;
inline constexpr int ImageNum = 0;
inline constexpr const char* Bitmap = "";
inline constexpr int SoundEnable = 1;
inline constexpr int ScoreSystem = 2;
} // namespace OptionDefaults
