#include "soundport.h"

#include "sound.h"

namespace {
SoundPort::TRecorder recorder;
} // namespace

namespace SoundPort {

void LoadSettings() {
    LoadSoundSettings();
}

int Mask() {
    return SoundEnableMask;
}

void SetMask(int value) {
    SoundEnableMask = value;
}

void Play(TSound sound) {
    if (recorder)
        recorder(sound, SoundEnableMask);
    switch (sound) {
    case Shuffle: PlayShuffleSound(); break;
    case CardUp: PlayCardUpSound(); break;
    case CardDown: PlayCardDownSound(); break;
    case CashIn: PlayCashInSound(); break;
    case Undo: PlayUndoSound(); break;
    }
}

void SetRecorder(TRecorder newRecorder) {
    recorder = std::move(newRecorder);
}

} // namespace SoundPort
