// Times the sound effects: how long a play call keeps its caller, and how
// long decoding the five clips takes.  Runs against whatever sound server the
// environment names (none on a build machine).
#include "sound.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    SoundEnableMask = 33109;

    auto start = Clock::now();
    PlayCardUpSound(); // the first call also starts the audio thread
    std::printf("first play call: %.1f us\n", Microseconds(Clock::now() - start));
    FlushSoundRequests();

    void (*const plays[])() = {PlayCardUpSound, PlayCardDownSound, PlayShuffleSound,
                               PlayCashInSound, PlayUndoSound};
    std::vector<double> calls;
    for (int round = 0; round < 400; ++round)
        for (auto play : plays) {
            start = Clock::now();
            play();
            calls.push_back(Microseconds(Clock::now() - start));
            // Let the audio thread keep up, as it does between real moves.
            FlushSoundRequests();
        }
    std::printf("play call (%zu calls): median %.2f us, 99th percentile %.2f us, max %.2f us\n",
                calls.size(), Percentile(calls, 0.5), Percentile(calls, 0.99),
                Percentile(calls, 1.0));

    std::vector<double> decodes;
    for (int round = 0; round < 50; ++round) {
        start = Clock::now();
        for (int clip = 0; clip < SoundClipCount; ++clip)
            DecodeSoundResource(static_cast<TSoundClip>(clip));
        decodes.push_back(Microseconds(Clock::now() - start));
    }
    std::printf("decoding all five clips: median %.1f us, first %.1f us\n",
                Percentile(decodes, 0.5), decodes.front());
    return 0;
}
