#include "gamedata.h"

#include "inifile.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <unistd.h>

const std::array<std::string, GameCount + 1> GameNames = {
    "Poker Squares", "Poker Shuffle", "Poker Elimination", "Poker Puzzle",
    "Poker Columns", "Poker Holdem",  "Poker Yacht",       "future"};

std::array<TGameStats, GameCount> GameStats{};

namespace {
std::unique_ptr<TIniFile> store;
TDisplayInfo display;

const std::string& SectionOf(int game) {
    if (game < 0 || game >= GameCount)
        throw std::out_of_range("game index " + std::to_string(game) + " is not 0 to 6");
    return GameNames[static_cast<std::size_t>(game)];
}

float AverageOf(const TGameStats& stats) {
    return stats.Games > 0 ? static_cast<float>(stats.Score / stats.Games) : 0.0f;
}
} // namespace

void SetDisplayInfo(const TDisplayInfo& info) {
    display = info;
}

const TDisplayInfo& GetDisplayInfo() {
    return display;
}

std::filesystem::path DefaultGameDataPath(const std::filesystem::path& executableFolder) {
    const std::string name = "Tressalo.INI";
    if (!executableFolder.empty() && ::access(executableFolder.c_str(), W_OK) == 0)
        return executableFolder / name;
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = std::filesystem::path(home) / ".config";
    else
        config = std::filesystem::temp_directory_path();
    std::error_code ignored;
    std::filesystem::create_directories(config / "Tressalo", ignored);
    return config / "Tressalo" / name;
}

void InitGameData(const std::filesystem::path& file) {
    store = std::make_unique<TIniFile>(file);
    if (ReadIniBool("Main", "Init", false))
        return;
    WriteIniBool("Main", "Init", true);
    WriteIniInteger("Options", "CardSize", display.Height < 600 ? 0 : 1);
    const int depth = GetColorDepthClass();
    if (depth < 3) {
        WriteIniInteger("Options", "BGColor", 32768);
        WriteIniInteger("Options", "BackgroundType", 0);
    } else if (depth == 3) {
        WriteIniInteger("Options", "BGColor", 32768);
        WriteIniInteger("Options", "BackgroundType", 1);
        WriteIniInteger("Options", "ImageNum", 0);
    } else {
        WriteIniInteger("Options", "BGColor", 6729762);
        WriteIniInteger("Options", "BackgroundType", 1);
        WriteIniInteger("Options", "ImageNum", 5);
    }
    WriteIniInteger("Options", "SoundEnable", 33109);
}

void CloseGameData() {
    store.reset();
}

bool GameDataOpen() {
    return store != nullptr;
}

std::filesystem::path GameDataPath() {
    return store ? store->Path() : std::filesystem::path();
}

int ReadIniInteger(std::string_view section, std::string_view key, int defaultValue) {
    return store ? store->ReadInteger(section, key, defaultValue) : defaultValue;
}

void WriteIniInteger(std::string_view section, std::string_view key, int value) {
    if (store)
        store->WriteInteger(section, key, value);
}

bool ReadIniBool(std::string_view section, std::string_view key, bool defaultValue) {
    return store ? store->ReadBool(section, key, defaultValue) : defaultValue;
}

void WriteIniBool(std::string_view section, std::string_view key, bool value) {
    if (store)
        store->WriteBool(section, key, value);
}

std::string ReadIniString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    return store ? store->ReadString(section, key, defaultValue) : std::string(defaultValue);
}

void WriteIniString(std::string_view section, std::string_view key, std::string_view value) {
    if (store)
        store->WriteString(section, key, value);
}

void LoadGameStats(int game) {
    const std::string& section = SectionOf(game);
    TGameStats& stats = GameStats[static_cast<std::size_t>(game)];
    stats.Games = ReadIniInteger(section, "Games", 0);
    stats.Score = ReadIniInteger(section, "Score", 0);
    stats.Best = ReadIniInteger(section, "Best", 0);
    stats.Average = AverageOf(stats);
}

void RecordGameResult(int game, int score) {
    SectionOf(game);
    TGameStats& stats = GameStats[static_cast<std::size_t>(game)];
    stats.Games += 1;
    stats.Score += score;
    stats.Average = AverageOf(stats);
    if (stats.Best < score)
        stats.Best = score;
}

void SaveGameStats(int game) {
    const std::string& section = SectionOf(game);
    const TGameStats& stats = GameStats[static_cast<std::size_t>(game)];
    WriteIniInteger(section, "Games", stats.Games);
    WriteIniInteger(section, "Score", stats.Score);
    WriteIniInteger(section, "Best", stats.Best);
}

void ClearGameStats() {
    for (int game = 0; game < GameCount; ++game) {
        const std::string& section = SectionOf(game);
        WriteIniInteger(section, "Games", 0);
        WriteIniInteger(section, "Score", 0);
        WriteIniInteger(section, "Best", 0);
    }
}

TWindowPlacement LoadWindowPlacement(std::string_view section, int defaultWidth,
                                     int defaultHeight) {
    TWindowPlacement p;
    p.Height = ReadIniInteger(section, "Height", defaultHeight);
    p.Width = ReadIniInteger(section, "Width", defaultWidth);
    p.Top = ReadIniInteger(section, "Top", (display.Height - p.Height) / 2);
    p.Left = ReadIniInteger(section, "Left", (display.Width - p.Width) / 2);
    p.State = ReadIniInteger(section, "State", 2);
    return p;
}

void SaveWindowPlacement(std::string_view section, const TWindowPlacement& p) {
    WriteIniInteger(section, "Height", p.Height);
    WriteIniInteger(section, "Width", p.Width);
    WriteIniInteger(section, "Top", p.Top);
    WriteIniInteger(section, "Left", p.Left);
    WriteIniInteger(section, "State", p.State);
}

int GetColorDepthClass() {
    switch (display.BitsPerPixel * display.Planes) {
    case 1: return 1;
    case 4: return 2;
    case 8: return 3;
    case 16: return 4;
    case 24: return 5;
    default: return 0;
    }
}
