// The sound switches and effects as the shell's windows use them (over the
// sound module): the options window previews each sound under a mask of its
// own and restores the mask afterwards, and the game windows play through it.
#pragma once

#include <functional>

namespace SoundPort {

enum TSound : int { Shuffle, CardUp, CardDown, CashIn, Undo };

// SoundEnableMask = "Options"/"SoundEnable" (default 1).
void LoadSettings();
int Mask();
void SetMask(int mask);
// Plays the sound under the mask in force (master bit, enable bit, mute bit).
void Play(TSound sound);

// Tests observe every play request with the mask in force at that moment.
using TRecorder = std::function<void(TSound sound, int mask)>;
void SetRecorder(TRecorder recorder);

} // namespace SoundPort
