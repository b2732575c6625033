#include "clips.h"

#include <algorithm>
#include <cmath>

using namespace synth;

namespace {

double TimeOf(int index, double rate) {
    return index / rate;
}

// A card lifted off the table: a short papery swish whose colour brightens as
// the card leaves the cloth, with a faint tick where its edge lets go.
TSignal MakeCardUp(double rate, int frames) {
    TSignal out(frames);
    TNoise noise(0xC0FFEE01u);
    auto low = TBiquad::BandPass(rate, 1700, 0.9);
    auto high = TBiquad::BandPass(rate, 3600, 1.1);
    for (int i = 0; i < frames; ++i) {
        const double t = TimeOf(i, rate);
        const float n = noise.Next();
        // Brightness moves from the low band to the high band over 40 ms.
        const float mix = static_cast<float>(std::min(1.0, t / 0.040));
        const float body = low.Step(n) * (1 - mix) + high.Step(n) * mix * 0.8f;
        out[i] = body * AttackDecay(t, 0.0, 0.006, 0.014);
    }
    TSignal tick(static_cast<std::size_t>(0.002 * rate));
    auto click = TBiquad::HighPass(rate, 2500, 0.7);
    for (std::size_t i = 0; i < tick.size(); ++i)
        tick[i] = click.Step(noise.Next()) * AttackDecay(TimeOf(int(i), rate), 0, 0.0002, 0.0005);
    MixInto(out, tick, static_cast<std::size_t>(0.018 * rate), 0.5f);
    Normalise(out, 0.45f);
    FadeOut(out, rate, 0.008);
    return out;
}

// A card laid down: the slap of the card face on the cloth, a soft low thud
// under it, and a short papery slide as it settles.
TSignal MakeCardDown(double rate, int frames) {
    TSignal out(frames);
    TNoise noise(0xC0FFEE02u);
    auto slapTone = TBiquad::LowPass(rate, 3200, 0.8);
    auto paper = TBiquad::BandPass(rate, 2400, 0.7);
    auto wobble = TBiquad::LowPass(rate, 30, 0.7);
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        const double t = TimeOf(i, rate);
        const float slap = slapTone.Step(noise.Next()) * AttackDecay(t, 0, 0.0008, 0.004);
        // The thud glides from 150 Hz down towards 70 Hz as it dies away.
        const double pitch = 70 + 80 * std::exp(-t / 0.03);
        phase += 2 * Pi * pitch / rate;
        const float thud = static_cast<float>(std::sin(phase)) * AttackDecay(t, 0, 0.0015, 0.018);
        // The slide flutters a little, as paper does.
        const float flutter = 1.0f + 4.0f * wobble.Step(noise.Next());
        const float slide = paper.Step(noise.Next()) * AttackDecay(t, 0.004, 0.02, 0.07) * flutter;
        out[i] = slap * 0.9f + thud * 0.35f + slide * 0.3f;
    }
    Normalise(out, 0.7f);
    FadeOut(out, rate, 0.03);
    return out;
}

// A riffle shuffle: the two halves flick through the thumbs as a rapid train
// of clicks, quick in the middle and slower at either end, over a breathy
// flutter, and the cards meet with a soft bridge at the end.
TSignal MakeShuffle(double rate, int frames) {
    TSignal clicks(frames, 0.0f);
    TNoise noise(0xC0FFEE03u);
    const double first = 0.012;
    const double last = 0.320;
    double t = first;
    while (t < last) {
        const double along = (t - first) / (last - first);
        // Spacing 9 ms at the ends, 4.5 ms in the middle, with a little jitter.
        const double spacing = 0.0045 + 0.0045 * std::pow(2 * along - 1, 2);
        const auto at = static_cast<std::size_t>(t * rate);
        const float strength = noise.Between(0.45f, 1.0f);
        for (std::size_t k = 0; k < 40 && at + k < clicks.size(); ++k)
            clicks[at + k] +=
                noise.Next() * strength * AttackDecay(TimeOf(int(k), rate), 0, 0.0002, 0.0008);
        t += spacing + noise.Between(-0.0009f, 0.0009f);
    }
    auto colour = TBiquad::BandPass(rate, 2600, 0.8);
    colour.Apply(clicks);

    TSignal out(frames);
    auto breath = TBiquad::LowPass(rate, 1400, 0.7);
    for (int i = 0; i < frames; ++i) {
        const double time = TimeOf(i, rate);
        // Swells over 40 ms and falls away over the last 60 ms of the riffle.
        const double swell =
            std::min(1.0, time / 0.04) * std::clamp((0.34 - time) / 0.06, 0.0, 1.0);
        out[i] = static_cast<float>(swell) * (clicks[i] + breath.Step(noise.Next()) * 0.12f);
    }
    TSignal bridge(static_cast<std::size_t>(0.03 * rate));
    auto thump = TBiquad::LowPass(rate, 900, 0.9);
    for (std::size_t i = 0; i < bridge.size(); ++i)
        bridge[i] = thump.Step(noise.Next()) * AttackDecay(TimeOf(int(i), rate), 0, 0.001, 0.006);
    MixInto(out, bridge, static_cast<std::size_t>(0.338 * rate), 0.7f);
    Normalise(out, 0.6f);
    FadeOut(out, rate, 0.01);
    return out;
}

// One coin landing on others: a handful of inharmonic metal partials that die
// away fast, led by a tiny click of contact.
TSignal Chink(double rate, TNoise& noise, double base, double seconds) {
    TSignal out(static_cast<std::size_t>(seconds * rate));
    static constexpr double ratios[] = {1.0, 1.47, 2.09, 2.56, 3.17};
    static constexpr double decays[] = {0.060, 0.045, 0.035, 0.025, 0.018};
    static constexpr float levels[] = {1.0f, 0.7f, 0.55f, 0.4f, 0.3f};
    for (int p = 0; p < 5; ++p) {
        const double frequency = base * ratios[p];
        if (frequency > rate * 0.45)
            continue;
        const double start = noise.Between(0, 2 * static_cast<float>(Pi));
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = TimeOf(int(i), rate);
            out[i] += levels[p] * static_cast<float>(std::sin(start + 2 * Pi * frequency * t)) *
                      AttackDecay(t, 0, 0.0005, decays[p]);
        }
    }
    for (std::size_t i = 0; i < out.size() && i < 20; ++i)
        out[i] += noise.Next() * 0.6f * AttackDecay(TimeOf(int(i), rate), 0, 0.0001, 0.0003);
    return out;
}

// A bell struck once: a ringing partial with a slow beat against its detuned
// twin, and the bright, quickly fading overtones of a small bell.
TSignal Bell(double rate, double base, double seconds) {
    TSignal out(static_cast<std::size_t>(seconds * rate));
    struct Partial {
        double ratio;
        float level;
        double decay;
    };
    static constexpr Partial partials[] = {
        {1.000, 1.00f, 0.220}, {1.003, 0.60f, 0.200}, {2.010, 0.30f, 0.110},
        {2.760, 0.28f, 0.080}, {4.070, 0.12f, 0.050}, {5.400, 0.08f, 0.035},
    };
    for (const auto& partial : partials) {
        const double frequency = base * partial.ratio;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = TimeOf(int(i), rate);
            out[i] += partial.level * static_cast<float>(std::sin(2 * Pi * frequency * t)) *
                      AttackDecay(t, 0, 0.001, partial.decay);
        }
    }
    return out;
}

// Coins poured into the till, then its bell rings.
TSignal MakeCashIn(double rate, int frames) {
    TSignal out(frames, 0.0f);
    TNoise noise(0xC0FFEE04u);
    struct Coin {
        double at;
        float level;
    };
    static constexpr Coin coins[] = {
        {0.000, 0.80f}, {0.048, 0.55f}, {0.085, 0.70f}, {0.131, 0.45f}, {0.158, 0.35f}};
    for (const auto& coin : coins) {
        const double base = noise.Between(2500, 3300);
        MixInto(out, Chink(rate, noise, base, 0.25), static_cast<std::size_t>(coin.at * rate),
                coin.level);
    }
    MixInto(out, Bell(rate, 1760, 0.29), static_cast<std::size_t>(0.185 * rate), 0.9f);
    Normalise(out, 0.8f);
    FadeOut(out, rate, 0.06);
    return out;
}

// Undo: a soft round blip falling in pitch, a step back.
TSignal MakeUndo(double rate, int frames) {
    TSignal out(frames);
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        const double t = TimeOf(i, rate);
        const double pitch = 440 + 300 * std::exp(-t / 0.025);
        phase += 2 * Pi * pitch / rate;
        const double tone = std::sin(phase) + 0.15 * std::sin(2 * phase);
        out[i] = static_cast<float>(tone) * AttackDecay(t, 0, 0.006, 0.03);
    }
    Normalise(out, 0.5f);
    FadeOut(out, rate, 0.012);
    return out;
}

} // namespace

const std::array<TClipRecipe, 5>& ClipRecipes() {
    // Lengths are whole frames: 57 ms, 288 ms, 375 ms and 478 ms; the undo clip
    // fills exactly two ADPCM blocks of 1017 samples (92 ms), so its length
    // reads back the same from the file.
    static const std::array<TClipRecipe, 5> recipes = {{
        {"SOUND_CARD_UP", 11025, 628, TClipEncoding::PcmU8, MakeCardUp},
        {"SOUND_CARD_DOWN", 22050, 6350, TClipEncoding::PcmU8, MakeCardDown},
        {"SOUND_SHUFFLE", 11025, 4134, TClipEncoding::PcmU8, MakeShuffle},
        {"SOUND_CASHIN", 22050, 10540, TClipEncoding::PcmU8, MakeCashIn},
        {"SOUND_UNDO", 22050, 2034, TClipEncoding::ImaAdpcm, MakeUndo},
    }};
    return recipes;
}
