#include "synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

float TNoise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    // The top 24 bits give an exact float in [0, 1).
    const float unit = static_cast<float>(state_ >> 8) / 16777216.0f;
    return unit * 2.0f - 1.0f;
}

float TNoise::Between(float low, float high) {
    return low + (high - low) * (Next() + 1.0f) * 0.5f;
}

TBiquad::TBiquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

TBiquad TBiquad::BandPass(double rate, double centre, double q) {
    const double w = 2 * Pi * centre / rate;
    const double alpha = std::sin(w) / (2 * q);
    return TBiquad(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
}

TBiquad TBiquad::LowPass(double rate, double cutoff, double q) {
    const double w = 2 * Pi * cutoff / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return TBiquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

TBiquad TBiquad::HighPass(double rate, double cutoff, double q) {
    const double w = 2 * Pi * cutoff / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    return TBiquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

float TBiquad::Step(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

void TBiquad::Apply(TSignal& signal) {
    for (float& sample : signal)
        sample = Step(sample);
}

float AttackDecay(double t, double start, double attack, double decay) {
    if (t < start)
        return 0;
    const double local = t - start;
    if (local < attack)
        return static_cast<float>(0.5 - 0.5 * std::cos(Pi * local / attack));
    return static_cast<float>(std::exp(-(local - attack) / decay));
}

void Normalise(TSignal& signal, float peak) {
    float largest = 0;
    for (float sample : signal)
        largest = std::max(largest, std::fabs(sample));
    if (largest <= 0)
        return;
    const float gain = peak / largest;
    for (float& sample : signal)
        sample *= gain;
}

void FadeOut(TSignal& signal, double rate, double seconds) {
    const auto length = std::min(signal.size(), static_cast<std::size_t>(seconds * rate));
    if (length == 0)
        return;
    const std::size_t first = signal.size() - length;
    for (std::size_t i = 0; i < length; ++i) {
        // Runs from 1 down to 0 at the very last sample.
        const double left = static_cast<double>(length - 1 - i) / static_cast<double>(length);
        signal[first + i] *= static_cast<float>(0.5 - 0.5 * std::cos(Pi * left));
    }
}

void MixInto(TSignal& target, const TSignal& source, std::size_t offset, float gain) {
    for (std::size_t i = 0; i < source.size() && offset + i < target.size(); ++i)
        target[offset + i] += source[i] * gain;
}

} // namespace synth
