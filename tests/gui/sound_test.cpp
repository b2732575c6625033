// The sound switches, the clips the program carries, and playback on a
// machine without a sound server.
#include "gamedata.h"
#include "sound.h"

#include <QTemporaryDir>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

// The switch bits as the settings file lays them out, written out here
// rather than taken from the code under test.
struct TClipBits {
    TSoundClip Clip;
    void (*Play)();
    int Enable;
    int Mute;
};
const TClipBits AllClips[] = {
    {TSoundClip::CardUp, PlayCardUpSound, 0x0100, 0x0200},
    {TSoundClip::CardDown, PlayCardDownSound, 0x0040, 0x0080},
    {TSoundClip::Shuffle, PlayShuffleSound, 0x0010, 0x0020},
    {TSoundClip::CashIn, PlayCashInSound, 0x0004, 0x0008},
    {TSoundClip::Undo, PlayUndoSound, 0x0001, 0x0002},
};

using TClipSet = std::set<TSoundClip>;

// Every test runs as if no sound server were there, whatever the machine
// has: the server named does not exist.
class Sound : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/tressalo-no-sound-server");
    }
    void SetUp() override {
        SetSoundRecorder([this](TSoundClip clip) { heard.push_back(clip); });
    }
    void TearDown() override {
        SetSoundRecorder({});
        FlushSoundRequests();
        CloseGameData();
    }

    // Calls all five play operations under the mask and tells what played.
    TClipSet PlayAllUnder(int mask) {
        SoundEnableMask = mask;
        heard.clear();
        for (const auto& bits : AllClips)
            bits.Play();
        return TClipSet(heard.begin(), heard.end());
    }

    std::vector<TSoundClip> heard;
};

TClipSet Everything() {
    TClipSet all;
    for (const auto& bits : AllClips)
        all.insert(bits.Clip);
    return all;
}

TEST_F(Sound, SwitchesDecideWhatPlays) {
    struct TCase {
        const char* What;
        int Mask;
        TClipSet Expected;
    };
    std::vector<TCase> cases = {
        {"before any settings are loaded", 0, {}},
        {"the read default 1: master off", 1, {}},
        {"master alone", 0x8000, {}},
        {"every bit but the master", 0x7FFF, {}},
        {"the first-run value 33109", 33109, Everything()},
        {"first-run value with every mute bit", 33109 | 0x02AA, {}},
    };
    for (const auto& bits : AllClips) {
        cases.push_back({"master and one enable bit", 0x8000 | bits.Enable, {bits.Clip}});
        cases.push_back({"enable with its mute bit", 0x8000 | bits.Enable | bits.Mute, {}});
        TClipSet others = Everything();
        others.erase(bits.Clip);
        cases.push_back({"first-run value with one mute bit", 33109 | bits.Mute, others});
    }
    for (const auto& c : cases)
        EXPECT_EQ(PlayAllUnder(c.Mask), c.Expected) << c.What << ", mask " << c.Mask;
}

TEST_F(Sound, DecisionHoldsForEveryMask) {
    for (int mask = 0; mask <= 0xFFFF; ++mask)
        for (const auto& bits : AllClips) {
            const bool expected =
                (mask & 0x8000) != 0 && (mask & bits.Enable) != 0 && (mask & bits.Mute) == 0;
            ASSERT_EQ(SoundClipAllowed(mask, bits.Clip), expected) << "mask " << mask;
        }
}

TEST_F(Sound, EachOperationPlaysItsOwnResource) {
    const char* names[] = {"SOUND_CARD_UP", "SOUND_CARD_DOWN", "SOUND_SHUFFLE", "SOUND_CASHIN",
                           "SOUND_UNDO"};
    int index = 0;
    for (const auto& bits : AllClips) {
        SoundEnableMask = 0x8000 | bits.Enable;
        heard.clear();
        bits.Play();
        ASSERT_EQ(heard, std::vector<TSoundClip>{bits.Clip});
        EXPECT_STREQ(SoundResourceName(heard.front()), names[index++]);
    }
}

TEST_F(Sound, SettingsComeFromTheStore) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string file = folder.filePath(QStringLiteral("Tressalo.INI")).toStdString();
    struct TCase {
        const char* Options; // the [Options] section's lines
        int Mask;
        bool UndoPlays;
    };
    const TCase cases[] = {
        {"", 1, false},                         // no key: the default, master off
        {"SoundEnable=33109\n", 33109, true},   // the first-run value
        {"SoundEnable=0x8001\n", 0x8001, true}, // hexadecimal, as hand-edited
        {"SoundEnable=loud\n", 1, false},       // not a number: the default
    };
    for (const auto& c : cases) {
        CloseGameData();
        // Init=1 keeps the first-run defaults out of the way.
        std::ofstream(file, std::ios::trunc) << "[Main]\nInit=1\n[Options]\n" << c.Options;
        InitGameData(file);
        SoundEnableMask = 0;
        LoadSoundSettings();
        EXPECT_EQ(SoundEnableMask, c.Mask) << c.Options;
        heard.clear();
        PlayUndoSound();
        EXPECT_EQ(!heard.empty(), c.UndoPlays) << c.Options;
    }
}

TEST_F(Sound, WithoutASoundServerCallsReturnAtOnceAndSayNothing) {
    static std::vector<QString> messages;
    messages.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            messages.push_back(text);
        });
    SoundEnableMask = 33109;
    // Fifty cash-in clips would last 24 seconds if anything waited for them;
    // the calls must all be done well inside the length of one.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 50; ++i)
        PlayCashInSound();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    FlushSoundRequests(); // the audio thread has now looked for a device
    for (const auto& bits : AllClips)
        bits.Play();
    FlushSoundRequests();
    qInstallMessageHandler(previous);
    EXPECT_LT(elapsed, std::chrono::milliseconds(478));
    EXPECT_EQ(heard.size(), 55u);
    for (const auto& text : messages)
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
}

// The formats the program's clips are recorded in, and a sanity look at
// their sound: not silent, not clipped, and no click at either end.
TEST_F(Sound, ClipsHaveTheirFormatsAndCleanEnds) {
    struct TCase {
        TSoundClip Clip;
        int Rate;
        TSoundEncoding Encoding;
        double Milliseconds;
        double Tolerance;
    };
    const TCase cases[] = {
        {TSoundClip::CardUp, 11025, TSoundEncoding::PcmU8, 57, 2},
        {TSoundClip::CardDown, 22050, TSoundEncoding::PcmU8, 288, 2},
        {TSoundClip::Shuffle, 11025, TSoundEncoding::PcmU8, 375, 2},
        {TSoundClip::CashIn, 22050, TSoundEncoding::PcmU8, 478, 2},
        {TSoundClip::Undo, 22050, TSoundEncoding::ImaAdpcm, 100, 20}, // about a tenth
    };
    for (const auto& c : cases) {
        const TDecodedSound sound = DecodeSoundResource(c.Clip);
        SCOPED_TRACE(SoundResourceName(c.Clip));
        ASSERT_FALSE(sound.Samples.empty());
        EXPECT_EQ(sound.SampleRate, c.Rate);
        EXPECT_EQ(sound.Channels, 1);
        EXPECT_EQ(sound.Encoding, c.Encoding);
        EXPECT_NEAR(sound.Milliseconds(), c.Milliseconds, c.Tolerance);

        int peak = 0;
        for (auto sample : sound.Samples)
            peak = std::max(peak, std::abs(int(sample)));
        EXPECT_GT(peak, 32768 / 4) << "too quiet";
        EXPECT_LT(peak, 32768 * 95 / 100) << "clipped";
        // A clip starts from silence and fades back to it over its last 2 ms.
        EXPECT_LT(std::abs(int(sound.Samples.front())), 32768 / 50) << "click at the start";
        const auto tail = static_cast<size_t>(c.Rate / 500);
        for (size_t i = sound.Samples.size() - tail; i < sound.Samples.size(); ++i)
            EXPECT_LT(std::abs(int(sound.Samples[i])), 32768 / 50) << "click at the end";
    }
}

} // namespace
