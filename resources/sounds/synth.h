// Small building blocks for synthesising the sound effects: a repeatable
// noise source, simple filters and envelope shapes.  Everything is plain
// arithmetic on floats so that the same build always makes the same clips.
#pragma once

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr double Pi = 3.14159265358979323846;

using TSignal = std::vector<float>;

// A fixed-seed xorshift generator: the clips must come out identical on
// every build, which the standard distributions do not promise.
class TNoise {
public:
    explicit TNoise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    // Uniform in [-1, 1).
    float Next();
    // Uniform in [low, high).
    float Between(float low, float high);

private:
    std::uint32_t state_;
};

// A second-order filter section (the usual audio cookbook forms).
class TBiquad {
public:
    static TBiquad BandPass(double rate, double centre, double q);
    static TBiquad LowPass(double rate, double cutoff, double q);
    static TBiquad HighPass(double rate, double cutoff, double q);
    float Step(float x);
    void Apply(TSignal& signal);

private:
    TBiquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A rise over `attack` seconds along a half cosine, then an exponential fall
// with time constant `decay`; 0 before `start`.
float AttackDecay(double t, double start, double attack, double decay);

// Scales the signal so that its largest magnitude is `peak`.
void Normalise(TSignal& signal, float peak);

// Fades the last `seconds` to exact silence along a half cosine, so that no
// clip ends on a click.
void FadeOut(TSignal& signal, double rate, double seconds);

// Adds `source` into `target` from sample `offset` on, scaled by `gain`.
void MixInto(TSignal& target, const TSignal& source, std::size_t offset, float gain);

} // namespace synth
