// Writes the program's five sound effects as WAVE files, and the resource
// collection file that carries them, into the folder given on the command
// line.  Runs at build time; the clips come out the same on every run.
#include "clips.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Rounds to the nearest step the file can hold (8-bit or 16-bit) ourselves,
// rather than leave it to the library's truncation.
std::vector<short> Quantise(const synth::TSignal& signal, TClipEncoding encoding) {
    std::vector<short> samples(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const float x = std::clamp(signal[i], -1.0f, 1.0f);
        if (encoding == TClipEncoding::PcmU8)
            samples[i] = static_cast<short>(std::lround(x * 127.0f) * 256);
        else
            samples[i] = static_cast<short>(std::lround(x * 32767.0f));
    }
    return samples;
}

bool WriteClip(const TClipRecipe& recipe, const std::string& path) {
    SF_INFO info{};
    info.samplerate = recipe.SampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | (recipe.Encoding == TClipEncoding::PcmU8 ? SF_FORMAT_PCM_U8
                                                                           : SF_FORMAT_IMA_ADPCM);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "makesounds: cannot write %s: %s\n", path.c_str(),
                     sf_strerror(nullptr));
        return false;
    }
    const auto samples = Quantise(recipe.Make(recipe.SampleRate, recipe.Frames), recipe.Encoding);
    const sf_count_t written = sf_writef_short(file, samples.data(), recipe.Frames);
    sf_close(file);
    if (written != recipe.Frames) {
        std::fprintf(stderr, "makesounds: short write to %s\n", path.c_str());
        return false;
    }
    return true;
}

bool WriteCollection(const std::string& folder) {
    std::ofstream qrc(folder + "/sounds.qrc");
    qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/sounds\">\n";
    for (const auto& recipe : ClipRecipes())
        qrc << "  <file alias=\"" << recipe.Name << "\">" << recipe.Name << ".wav</file>\n";
    qrc << "</qresource>\n</RCC>\n";
    return static_cast<bool>(qrc.flush());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesounds OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto& recipe : ClipRecipes())
        if (!WriteClip(recipe, folder + "/" + recipe.Name + ".wav"))
            return 1;
    return WriteCollection(folder) ? 0 : 1;
}
