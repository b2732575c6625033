// The five sound effects.  Each play operation decides by the sound switches
// whether to make its sound; a sound plays in the background, is never waited
// for, and cuts short the one still playing.  With no audio device or sound
// server every call simply returns.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The sound switches, a copy of "Options"/"SoundEnable": bit 0x8000 is the
// master switch; each sound has an enable bit and, directly above it, a mute
// bit that must be clear for it to play.  0 until LoadSoundSettings.
extern int SoundEnableMask;

inline constexpr int SoundMasterBit = 0x8000;

// Reads the switches from the store (default 1: no sound at all).
void LoadSoundSettings();

void PlayCardUpSound();
void PlayCardDownSound();
void PlayShuffleSound();
void PlayCashInSound();
void PlayUndoSound();

enum class TSoundClip { CardUp, CardDown, Shuffle, CashIn, Undo };
inline constexpr int SoundClipCount = 5;

// "SOUND_CARD_UP", "SOUND_CARD_DOWN", "SOUND_SHUFFLE", "SOUND_CASHIN", "SOUND_UNDO".
const char* SoundResourceName(TSoundClip clip);
// The clip's enable bit; its mute bit is twice that.
int SoundEnableBit(TSoundClip clip);
// Whether the switches in `mask` let the clip play.
bool SoundClipAllowed(int mask, TSoundClip clip);

// Observes every clip that passes the switches, before it is handed to the
// audio output (which may have no device).  Runs on the calling thread; pass
// an empty function to stop observing.
using TSoundRecorder = std::function<void(TSoundClip)>;
void SetSoundRecorder(TSoundRecorder recorder);

// Blocks until the audio thread has dealt with every clip handed to it so
// far (started it, or found no output).  For tests; the play operations
// themselves never wait.
void FlushSoundRequests();

// A clip as the program carries it, decoded to 16-bit samples.
enum class TSoundEncoding { Unknown, PcmU8, Pcm16, ImaAdpcm };
struct TDecodedSound {
    int SampleRate = 0;
    int Channels = 0;
    TSoundEncoding Encoding = TSoundEncoding::Unknown;
    std::vector<std::int16_t> Samples; // interleaved when Channels > 1

    long long Frames() const {
        return Channels > 0 ? static_cast<long long>(Samples.size()) / Channels : 0;
    }
    double Milliseconds() const {
        return SampleRate > 0 ? 1000.0 * static_cast<double>(Frames()) / SampleRate : 0;
    }
};

// Reads and decodes the clip's WAVE resource; an empty result (no samples)
// if it is missing or unreadable.  Playback decodes each clip once, on the
// audio thread, the first time it is played.
TDecodedSound DecodeSoundResource(TSoundClip clip);
