#include "soundport.h"

#include "gamedata.h"

// Until the sound effects are part of the program the shell keeps the mask
// itself and plays nothing; the switches and previews behave the same.
namespace {
int mask = 0;
SoundPort::TRecorder recorder;
} // namespace

namespace SoundPort {

void LoadSettings() {
    mask = ReadIniInteger("Options", "SoundEnable", OptionDefaults::SoundEnable);
}

int Mask() {
    return mask;
}

void SetMask(int value) {
    mask = value;
}

void Play(TSound sound) {
    if (recorder)
        recorder(sound, mask);
}

void SetRecorder(TRecorder newRecorder) {
    recorder = std::move(newRecorder);
}

} // namespace SoundPort
