#include "sound.h"

#include "gamedata.h"
#include "soundplayer.h"

#include <utility>

int SoundEnableMask = 0;

namespace {

struct TClipEntry {
    const char* ResourceName;
    int EnableBit;
};

// In TSoundClip order.
constexpr TClipEntry ClipTable[SoundClipCount] = {
    {"SOUND_CARD_UP", 0x0100}, {"SOUND_CARD_DOWN", 0x0040}, {"SOUND_SHUFFLE", 0x0010},
    {"SOUND_CASHIN", 0x0004},  {"SOUND_UNDO", 0x0001},
};

const TClipEntry& EntryOf(TSoundClip clip) {
    return ClipTable[static_cast<int>(clip)];
}

TSoundRecorder& Recorder() {
    static TSoundRecorder recorder;
    return recorder;
}

void PlayIfAllowed(TSoundClip clip) {
    if (!SoundClipAllowed(SoundEnableMask, clip))
        return;
    if (Recorder())
        Recorder()(clip);
    TSoundPlayer::Play(clip);
}

} // namespace

const char* SoundResourceName(TSoundClip clip) {
    return EntryOf(clip).ResourceName;
}

int SoundEnableBit(TSoundClip clip) {
    return EntryOf(clip).EnableBit;
}

bool SoundClipAllowed(int mask, TSoundClip clip) {
    const int enable = SoundEnableBit(clip);
    const int mute = enable << 1;
    return (mask & SoundMasterBit) != 0 && (mask & enable) != 0 && (mask & mute) == 0;
}

void SetSoundRecorder(TSoundRecorder recorder) {
    Recorder() = std::move(recorder);
}

void FlushSoundRequests() {
    TSoundPlayer::Flush();
}

void LoadSoundSettings() {
    SoundEnableMask = ReadIniInteger("Options", "SoundEnable", OptionDefaults::SoundEnable);
}

void PlayCardUpSound() {
    PlayIfAllowed(TSoundClip::CardUp);
}
void PlayCardDownSound() {
    PlayIfAllowed(TSoundClip::CardDown);
}
void PlayShuffleSound() {
    PlayIfAllowed(TSoundClip::Shuffle);
}
void PlayCashInSound() {
    PlayIfAllowed(TSoundClip::CashIn);
}
void PlayUndoSound() {
    PlayIfAllowed(TSoundClip::Undo);
}
