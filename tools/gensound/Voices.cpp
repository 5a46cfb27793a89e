// The talker voices: one short vowel-like blip per talker, heard when the talker starts to
// speak. A buzzing source at the talker's pitch goes through three vowel formants, so the
// pitch tells the talker's age and sex and the formants give each a vowel of its own.
#include "Effects.h"

#include <algorithm>
#include <cmath>

namespace gensound {
namespace {

struct Vowel {
    double f1, f2, f3; // formant centres in Hz
};

struct Syllable {
    double start, length;   // seconds
    double pitchFrom, pitchTo;
    Vowel vowel;
};

struct VoiceShape {
    double attack;      // seconds
    double vibrato;     // relative depth at 5.5 Hz
    double gateRate;    // Hz of an on/off chop that makes a voice sound machine-made, 0 = none
};

Samples speak(const std::vector<Syllable>& syllables, const VoiceShape& shape, double seconds)
{
    Samples s = silence(seconds);
    for (const Syllable& syl : syllables) {
        Biquad f1, f2, f3;
        f1.bandPass(syl.vowel.f1, syl.vowel.f1 / 90);
        f2.bandPass(syl.vowel.f2, syl.vowel.f2 / 120);
        f3.bandPass(syl.vowel.f3, syl.vowel.f3 / 180);
        const int first = sampleCount(syl.start);
        const int count = sampleCount(syl.length);
        double phase = 0;
        for (int k = 0; k < count && first + k < static_cast<int>(s.size()); ++k) {
            const double t = static_cast<double>(k) / SampleRate;
            const double along = t / syl.length;
            double f0 = syl.pitchFrom * std::pow(syl.pitchTo / syl.pitchFrom, along);
            f0 *= 1 + shape.vibrato * std::sin(2 * Pi * 5.5 * t);
            phase += f0 / SampleRate;
            // A band-limited sawtooth: all harmonics below 5 kHz, falling as 1/n.
            double source = 0;
            const int harmonics = std::max(1, static_cast<int>(5000 / f0));
            for (int n = 1; n <= harmonics; ++n)
                source += std::sin(2 * Pi * n * phase) / n;
            double env = std::min(1.0, t / shape.attack) * std::min(1.0, (syl.length - t) / 0.04);
            if (shape.gateRate > 0)
                env *= 0.65 + 0.35 * (std::sin(2 * Pi * shape.gateRate * t) > 0 ? 1.0 : -1.0);
            const double v = f1.process(source) + 0.6 * f2.process(source) + 0.3 * f3.process(source);
            s[static_cast<size_t>(first + k)] += v * std::max(0.0, env);
        }
    }
    finish(s, 0.55, 0.004, 0.02);
    return s;
}

constexpr Vowel A_male{730, 1090, 2440}, O_male{500, 850, 2400}, U_male{380, 1000, 2300};
constexpr Vowel A_female{850, 1220, 2810}, E_female{600, 2300, 3000}, O_female{560, 950, 2800};

} // namespace

std::vector<NamedSound> makeVoices()
{
    return {
        // The narrator: calm, low-middle, a falling "o".
        {"声ナレーション", speak({{0.0, 0.30, 150, 118, O_male}}, {0.03, 0.006, 0}, 0.32)},
        // The navigator: two even, machine-like syllables that step up.
        {"声ナビゲータ",
         speak({{0.0, 0.10, 220, 220, E_female}, {0.13, 0.12, 330, 330, A_female}}, {0.008, 0, 60}, 0.27)},
        // The elder sister: high and bright, rising as in "ne?".
        {"姉声", speak({{0.0, 0.20, 300, 370, E_female}}, {0.012, 0.012, 0}, 0.22)},
        // The elder brother: middle, brisk "a".
        {"兄声", speak({{0.0, 0.17, 145, 170, A_male}}, {0.008, 0.008, 0}, 0.19)},
        // The mother: warm, gentle "o", slowly falling.
        {"母声", speak({{0.0, 0.26, 255, 225, O_female}}, {0.035, 0.015, 0}, 0.28)},
        // The father: deep "u-o", falling.
        {"父声", speak({{0.0, 0.12, 110, 104, U_male}, {0.10, 0.20, 104, 92, O_male}}, {0.02, 0.01, 0}, 0.32)},
    };
}

} // namespace gensound
