// The program's five sound effects, each made from scratch by a recipe of
// filtered noise and decaying partials.
#pragma once

#include "synth.h"

#include <array>
#include <string>

enum class TClipEncoding { PcmU8, ImaAdpcm };

struct TClipRecipe {
    std::string Name; // the resource name the program asks for
    int SampleRate;
    int Frames;
    TClipEncoding Encoding;
    synth::TSignal (*Make)(double rate, int frames);
};

// Card up, card down, shuffle, cash in, undo.
const std::array<TClipRecipe, 5>& ClipRecipes();
