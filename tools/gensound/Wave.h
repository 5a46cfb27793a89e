#pragma once
// Sample buffers, a few synthesis helpers and the WAV writer of the sound generator.
#include <cstdint>
#include <string>
#include <vector>

namespace gensound {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

// Mono samples in -1..1 at SampleRate.
using Samples = std::vector<double>;

int sampleCount(double seconds);
Samples silence(double seconds);

// Scales the sound so that its loudest sample is `peak` of full scale and fades both ends
// (linear ramps of the given lengths), so that no effect starts or stops with a click.
void finish(Samples& s, double peak, double fadeIn = 0.004, double fadeOut = 0.012);

// 16-bit PCM mono RIFF/WAVE at SampleRate. Returns false when the file cannot be written.
bool writeWav(const std::string& path, const Samples& s);

// A small deterministic noise source (xorshift32), values in -1..1.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
    double next();

private:
    std::uint32_t state_;
};

// A second-order filter (the usual audio-cookbook forms). The coefficients may be
// re-set between samples, so a filter can sweep.
class Biquad {
public:
    void lowPass(double freq, double q);
    void highPass(double freq, double q);
    void bandPass(double freq, double q); // 0 dB gain at the centre
    double process(double x);

private:
    void set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Envelope with a linear attack and an exponential decay (time constant tau), 0 before t = 0.
double pluck(double t, double attack, double tau);

} // namespace gensound
