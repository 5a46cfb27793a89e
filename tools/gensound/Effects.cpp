// The seven effects. Each is drawn after the sound of its name and kept short, because the
// play calls them often (a chime for every written character).
#include "Effects.h"

#include <algorithm>
#include <cmath>

namespace gensound {
namespace {

// A bell-like note: a few harmonics, the upper ones dying faster.
void addBell(Samples& s, double start, double freq, double tau, double amp)
{
    const int first = sampleCount(start);
    for (size_t i = static_cast<size_t>(first); i < s.size(); ++i) {
        const double t = static_cast<double>(i - first) / SampleRate;
        const double w = 2 * Pi * freq * t;
        const double v = std::sin(w) * pluck(t, 0.003, tau)
            + 0.30 * std::sin(2 * w) * pluck(t, 0.003, tau * 0.5)
            + 0.10 * std::sin(3 * w) * pluck(t, 0.003, tau * 0.3);
        s[i] += amp * v;
    }
}

Samples pipopon()
{
    Samples s = silence(0.48);
    addBell(s, 0.000, 1318.5, 0.05, 1.0); // E6 "pi"
    addBell(s, 0.075, 1046.5, 0.05, 1.0); // C6 "po"
    addBell(s, 0.150, 1046.5, 0.12, 1.0); // C6 "pon", ringing on
    finish(s, 0.6);
    return s;
}

Samples biyon()
{
    Samples s = silence(0.42);
    Biquad soften;
    soften.lowPass(2500, 0.7);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // "bi": a quick rise; "yon": a wobbling fall.
        double f = t < 0.08 ? 220 * std::pow(2.0, t / 0.08) : 440 * std::pow(0.75, (t - 0.08) / 0.34);
        if (t >= 0.08)
            f *= 1 + 0.07 * std::sin(2 * Pi * 13 * (t - 0.08));
        phase += f / SampleRate;
        const double w = 2 * Pi * phase;
        const double tone = std::sin(w) + 0.5 * std::sin(2 * w) + 0.3 * std::sin(3 * w) + 0.15 * std::sin(4 * w);
        const double env = std::min(1.0, t / 0.01) * (t < 0.12 ? 1.0 : std::exp(-(t - 0.12) / 0.12));
        s[i] = soften.process(tone * env);
    }
    finish(s, 0.6);
    return s;
}

Samples zat()
{
    Samples s = silence(0.17);
    Noise noise(0x5a7u);
    Biquad band, low;
    band.bandPass(2600, 0.8);
    low.highPass(700, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        s[i] = low.process(band.process(noise.next())) * pluck(t, 0.008, 0.035);
    }
    finish(s, 0.6);
    return s;
}

Samples piiin()
{
    Samples s = silence(0.8);
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // A clear A6 that gains a slight vibrato as it rings on.
        const double depth = 0.004 * std::min(1.0, std::max(0.0, (t - 0.1) / 0.2));
        phase += 1760 * (1 + depth * std::sin(2 * Pi * 6 * t)) / SampleRate;
        const double w = 2 * Pi * phase;
        const double v = std::sin(w) + 0.3 * std::sin(2 * Pi * 1761.5 * t) // a slow shimmer
            + 0.25 * std::sin(2 * w) + 0.08 * std::sin(3 * w);
        s[i] = v * pluck(t, 0.004, 0.22);
    }
    finish(s, 0.55);
    return s;
}

Samples byu()
{
    Samples s = silence(0.22);
    Noise noise(0xb1u);
    Biquad band;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double f = 500 * std::pow(10.0, t / 0.22); // 500 Hz to 5 kHz
        band.bandPass(f, 3.0);
        phase += f * 0.5 / SampleRate;
        const double env = std::min(1.0, t / 0.05) * std::exp(-t / 0.09);
        s[i] = (band.process(noise.next()) * 1.6 + 0.25 * std::sin(2 * Pi * phase)) * env;
    }
    finish(s, 0.6);
    return s;
}

Samples fuseikai()
{
    // "bu-buu": two low, slightly beating buzzes.
    Samples s = silence(0.62);
    Biquad low;
    low.lowPass(1100, 0.7);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double gate = 0;
        if (t < 0.13)
            gate = std::min(1.0, t / 0.01) * std::min(1.0, (0.13 - t) / 0.02);
        else if (t >= 0.17)
            gate = std::min(1.0, (t - 0.17) / 0.01) * std::min(1.0, (0.62 - t) / 0.08);
        double v = 0;
        for (int n = 1; n <= 14; ++n)
            v += (std::sin(2 * Pi * n * 98.0 * t) + std::sin(2 * Pi * n * 103.5 * t)) / n;
        s[i] = low.process(v * gate);
    }
    finish(s, 0.55);
    return s;
}

Samples seikai()
{
    Samples s = silence(0.85);
    addBell(s, 0.00, 1046.5, 0.20, 0.8); // C6
    addBell(s, 0.07, 1318.5, 0.20, 0.8); // E6
    addBell(s, 0.14, 1568.0, 0.20, 0.8); // G6
    addBell(s, 0.21, 2093.0, 0.30, 0.9); // C7
    finish(s, 0.6);
    return s;
}

} // namespace

std::vector<NamedSound> makeEffects()
{
    return {
        {"ピポポン", pipopon()},
        {"ビィヨン", biyon()},
        {"ザッ", zat()},
        {"ピイイン", piiin()},
        {"ビュ", byu()},
        {"不正解", fuseikai()},
        {"正解", seikai()},
    };
}

NamedSound makeDummy()
{
    return {"dummy", silence(0.05)};
}

} // namespace gensound
