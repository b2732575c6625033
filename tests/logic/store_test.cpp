#include "gamedata.h"
#include "inifile.h"
#include "initext.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Each test gets its own folder and store file.
class Store : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tressalo-store-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        file = folder / "Tressalo.INI";
        SetDisplayInfo({1024, 768, 16, 1});
        GameStats = {};
    }
    void TearDown() override {
        CloseGameData();
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    fs::path folder;
    fs::path file;
};

struct FirstRun {
    TDisplayInfo display;
    std::string expected;
};

TEST_F(Store, FirstRunDefaultsFollowTheDisplay) {
    const FirstRun runs[] = {
        {{1024, 768, 16, 1},
         "[Main]\nInit=1\n\n[Options]\nCardSize=1\nBGColor=6729762\nBackgroundType=1\n"
         "ImageNum=5\nSoundEnable=33109\n"},
        {{800, 600, 8, 1},
         "[Main]\nInit=1\n\n[Options]\nCardSize=1\nBGColor=32768\nBackgroundType=1\n"
         "ImageNum=0\nSoundEnable=33109\n"},
        {{1920, 1080, 32, 1},
         "[Main]\nInit=1\n\n[Options]\nCardSize=1\nBGColor=32768\nBackgroundType=0\n"
         "SoundEnable=33109\n"},
        {{640, 480, 24, 1},
         "[Main]\nInit=1\n\n[Options]\nCardSize=0\nBGColor=6729762\nBackgroundType=1\n"
         "ImageNum=5\nSoundEnable=33109\n"},
        {{640, 480, 1, 4},
         "[Main]\nInit=1\n\n[Options]\nCardSize=0\nBGColor=32768\nBackgroundType=0\n"
         "SoundEnable=33109\n"},
    };
    for (const FirstRun& run : runs) {
        fs::remove(file);
        SetDisplayInfo(run.display);
        InitGameData(file);
        EXPECT_EQ(ReadFile(file), run.expected) << run.display.BitsPerPixel;
        CloseGameData();
    }
    // A second start writes nothing.
    const auto before = fs::last_write_time(file);
    const std::string text = ReadFile(file);
    InitGameData(file);
    EXPECT_EQ(ReadFile(file), text);
    EXPECT_EQ(fs::last_write_time(file), before);
}

TEST_F(Store, ColorDepthClasses) {
    const std::pair<int, int> table[] = {{1, 1},  {4, 2},  {8, 3},  {16, 4},
                                         {24, 5}, {32, 0}, {15, 0}, {0, 0}};
    for (auto [bits, depthClass] : table) {
        SetDisplayInfo({1024, 768, bits, 1});
        EXPECT_EQ(GetColorDepthClass(), depthClass) << bits;
    }
    SetDisplayInfo({1024, 768, 4, 2});
    EXPECT_EQ(GetColorDepthClass(), 3); // bits times planes
}

TEST_F(Store, IntegerReadsAndDefaults) {
    WriteFile(file, "[options]\nhex1=0x8000\nhex2=$FF\nhex3=0XffffFFFF\nneg=-12\n"
                    "word=green\nempty=\nbig=4294967296\nspaced =  42  \nplus=+7\n"
                    "negmin=-2147483648\ntoobig=2147483648\n");
    InitGameData(file); // the file has no Init: first-run keys are added, others kept
    const std::pair<const char*, int> reads[] = {{"HEX1", 32768},
                                                 {"hex2", 255},
                                                 {"hex3", -1},
                                                 {"neg", -12},
                                                 {"word", 77},
                                                 {"empty", 77},
                                                 {"big", 77},
                                                 {"spaced", 42},
                                                 {"plus", 7},
                                                 {"missing", 77},
                                                 {"negmin", -2147483647 - 1},
                                                 {"toobig", 77}};
    for (auto [key, value] : reads)
        EXPECT_EQ(ReadIniInteger("Options", key, 77), value) << key;
    EXPECT_EQ(ReadIniInteger("Nowhere", "Games", 5), 5);
    EXPECT_TRUE(ReadIniBool("Options", "plus", false));
    EXPECT_FALSE(ReadIniBool("Options", "word", false));
    EXPECT_TRUE(ReadIniBool("Options", "word", true));
}

TEST_F(Store, MissingFileReadsDefaultsAndClosedStoreDoesNothing) {
    EXPECT_EQ(ReadIniInteger("Options", "CardSize", 1), 1);
    WriteIniInteger("Options", "CardSize", 0); // store closed: nothing happens
    EXPECT_FALSE(fs::exists(file));
    TIniFile ini(folder / "absent.INI");
    EXPECT_EQ(ini.ReadInteger("Options", "CardSize", 3), 3);
    EXPECT_EQ(ini.ReadString("Options", "Bitmap", "x"), "x");
}

TEST_F(Store, StringsRoundTripAndAreCutAt2047) {
    InitGameData(file);
    WriteIniString("Options", "Bitmap", "/home/me/My Pictures/felt = green.bmp");
    EXPECT_EQ(ReadIniString("options", "BITMAP", ""), "/home/me/My Pictures/felt = green.bmp");
    const std::string longText(3000, 'x');
    WriteIniString("Options", "Bitmap", longText);
    EXPECT_EQ(ReadIniString("Options", "Bitmap", ""), std::string(2047, 'x'));
    // A line break in a value cannot split the line and inject a key.
    WriteIniString("Options", "Bitmap", "a\n[Main]\nInit=0");
    EXPECT_EQ(ReadIniString("Options", "Bitmap", ""), "a [Main] Init=0");
    EXPECT_TRUE(ReadIniBool("Main", "Init", false));
}

TEST_F(Store, HandEditedFileKeepsEverythingItDoesNotWrite) {
    const std::string edited = "; my settings\r\n"
                               "[Options]\r\n"
                               "  CardSize = 0\r\n"
                               "# a note\r\n"
                               "Colour=blue\r\n"
                               "\r\n"
                               "[Poker Squares]\r\n"
                               "Games=2\r\n"
                               "\r\n"
                               "[Main]\r\n"
                               "Init=1\r\n";
    WriteFile(file, edited);
    InitGameData(file);
    EXPECT_EQ(ReadFile(file), edited); // Init present: nothing written
    EXPECT_EQ(ReadIniInteger("OPTIONS", "cardsize", 1), 0);
    WriteIniInteger("Options", "CardSize", 1);
    WriteIniInteger("Poker Squares", "Best", 40);
    WriteIniInteger("Poker Yacht", "Games", 1);
    EXPECT_EQ(ReadFile(file), "; my settings\r\n"
                              "[Options]\r\n"
                              "  CardSize = 1\r\n"
                              "# a note\r\n"
                              "Colour=blue\r\n"
                              "\r\n"
                              "[Poker Squares]\r\n"
                              "Games=2\r\n"
                              "Best=40\r\n"
                              "\r\n"
                              "[Main]\r\n"
                              "Init=1\r\n"
                              "\r\n"
                              "[Poker Yacht]\r\n"
                              "Games=1\r\n");
}

TEST_F(Store, WrittenFilesReadBackUnchanged) {
    InitGameData(file);
    for (int game = 0; game < GameCount; ++game) {
        RecordGameResult(game, game * 10);
        SaveGameStats(game);
        SaveWindowPlacement(GameNames[game], {1, 2, 300, 400, 0});
    }
    const std::string text = ReadFile(file);
    // Rewriting every value with what it holds changes nothing.
    for (int game = 0; game < GameCount; ++game) {
        LoadGameStats(game);
        SaveGameStats(game);
        SaveWindowPlacement(GameNames[game], LoadWindowPlacement(GameNames[game], 9, 9));
    }
    EXPECT_EQ(ReadFile(file), text);
    EXPECT_EQ(IniText(text).Text(), text);
}

TEST_F(Store, StatisticsRecordSaveAndClear) {
    InitGameData(file);
    for (int score : {10, 11, 0})
        RecordGameResult(2, score);
    SaveGameStats(2);
    GameStats = {};
    LoadGameStats(2);
    EXPECT_EQ(GameStats[2].Games, 3);
    EXPECT_EQ(GameStats[2].Score, 21);
    EXPECT_EQ(GameStats[2].Best, 11);
    EXPECT_EQ(GameStats[2].Average, 7.0f);

    RecordGameResult(2, 11); // a tie keeps Best
    EXPECT_EQ(GameStats[2].Best, 11);

    RecordGameResult(4, -5);
    EXPECT_EQ(GameStats[4].Games, 1);
    EXPECT_EQ(GameStats[4].Score, -5);
    EXPECT_EQ(GameStats[4].Best, 0);
    EXPECT_EQ(GameStats[4].Average, -5.0f);

    // A hand-edited zero or negative count cannot divide by zero.
    WriteIniInteger("Poker Yacht", "Games", -3);
    WriteIniInteger("Poker Yacht", "Score", 50);
    LoadGameStats(6);
    EXPECT_EQ(GameStats[6].Average, 0.0f);

    SaveWindowPlacement("Poker Shuffle", {5, 6, 700, 500, 0});
    ClearGameStats();
    for (int game = 0; game < GameCount; ++game) {
        EXPECT_EQ(ReadIniInteger(GameNames[game], "Games", -1), 0);
        EXPECT_EQ(ReadIniInteger(GameNames[game], "Score", -1), 0);
        EXPECT_EQ(ReadIniInteger(GameNames[game], "Best", -1), 0);
    }
    EXPECT_EQ(ReadIniInteger("Poker Shuffle", "Width", 0), 700);
    EXPECT_EQ(GameStats[2].Games, 4); // memory is not touched
    EXPECT_THROW(LoadGameStats(7), std::out_of_range);
}

TEST_F(Store, WindowPlacementDefaultsAndRoundTrip) {
    InitGameData(file);
    const TWindowPlacement fresh = LoadWindowPlacement("Main", 540, 407);
    EXPECT_EQ(fresh.Left, 242);
    EXPECT_EQ(fresh.Top, 180);
    EXPECT_EQ(fresh.Width, 540);
    EXPECT_EQ(fresh.Height, 407);
    EXPECT_EQ(fresh.State, 2);
    SaveWindowPlacement("Main", {-4, 10, 600, 450, 0});
    const TWindowPlacement saved = LoadWindowPlacement("main", 540, 407);
    EXPECT_EQ(saved.Left, -4);
    EXPECT_EQ(saved.Top, 10);
    EXPECT_EQ(saved.Width, 600);
    EXPECT_EQ(saved.Height, 450);
    EXPECT_EQ(saved.State, 0);
    EXPECT_NE(
        ReadFile(file).find("[Main]\nInit=1\nHeight=450\nWidth=600\nTop=10\nLeft=-4\nState=0\n"),
        std::string::npos);
    // A larger stored window centres by its own size.
    WriteFile(file, "[X]\nHeight=868\nWidth=1124\n");
    const TWindowPlacement big = LoadWindowPlacement("X", 540, 407);
    EXPECT_EQ(big.Top, -50);
    EXPECT_EQ(big.Left, -50);
}

TEST_F(Store, RefusedWritesRaiseAndNeverDamageTheFile) {
    InitGameData(file);
    const std::string before = ReadFile(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        WriteIniInteger("Options", "CardSize", 0);
        FAIL() << "a read-only file was written";
    } catch (const EStoreWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file.string());
    }
    EXPECT_EQ(ReadFile(file), before);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);

    // A folder that cannot be written (a read-only folder for an ordinary user;
    // a path through a plain file for anyone, root included).
    const fs::path blocker = folder / "plain-file";
    WriteFile(blocker, "x");
    TIniFile nowhere(blocker / "Tressalo.INI");
    EXPECT_THROW(nowhere.WriteInteger("Main", "Init", 1), EStoreWriteError);
    if (::geteuid() != 0) {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(WriteIniInteger("Options", "CardSize", 0), EStoreWriteError);
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(ReadFile(file), before);
    }

    // Keys written before a refusal stay written; no temporary file is left.
    WriteIniInteger("Poker Squares", "Games", 3);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_THROW(SaveGameStats(0), EStoreWriteError);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadIniInteger("Poker Squares", "Games", 0), 3);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 2); // the store and the blocker
}

TEST_F(Store, WritesReplaceTheFileAtomically) {
    InitGameData(file);
    // A reader holding the old file keeps reading the old version whole, and
    // the written file is a new one: the old text is never overwritten in place.
    std::ifstream oldReader(file, std::ios::binary);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    WriteIniString("Options", "Bitmap", std::string(100000, 'b'));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);
    std::ostringstream oldText;
    oldText << oldReader.rdbuf();
    EXPECT_EQ(oldText.str().find("Bitmap"), std::string::npos);
    EXPECT_NE(oldText.str().find("SoundEnable=33109"), std::string::npos);
    EXPECT_EQ(after.st_mode & 0777, before.st_mode & 0777);
}

TEST(StorePath, ExecutableFolderWhenWritableElseConfigHome) {
    const fs::path tmp =
        fs::temp_directory_path() / ("tressalo-path-" + std::to_string(::getpid()));
    fs::create_directories(tmp / "bin");
    EXPECT_EQ(DefaultGameDataPath(tmp / "bin"), tmp / "bin" / "Tressalo.INI");
    ::setenv("XDG_CONFIG_HOME", (tmp / "config").c_str(), 1);
    EXPECT_EQ(DefaultGameDataPath(tmp / "missing"), tmp / "config" / "Tressalo" / "Tressalo.INI");
    EXPECT_TRUE(fs::is_directory(tmp / "config" / "Tressalo"));
    ::unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(tmp);
}

} // namespace
