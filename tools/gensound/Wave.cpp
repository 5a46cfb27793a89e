#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace gensound {

int sampleCount(double seconds)
{
    return static_cast<int>(std::lround(seconds * SampleRate));
}

Samples silence(double seconds)
{
    return Samples(static_cast<size_t>(sampleCount(seconds)), 0.0);
}

void finish(Samples& s, double peak, double fadeIn, double fadeOut)
{
    double loudest = 0;
    for (double v : s)
        loudest = std::max(loudest, std::fabs(v));
    if (loudest > 0)
        for (double& v : s)
            v *= peak / loudest;
    const size_t in = std::min(s.size(), static_cast<size_t>(sampleCount(fadeIn)));
    for (size_t i = 0; i < in; ++i)
        s[i] *= static_cast<double>(i) / in;
    const size_t out = std::min(s.size(), static_cast<size_t>(sampleCount(fadeOut)));
    for (size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= static_cast<double>(i) / out;
}

namespace {

void put16(std::ofstream& f, int v)
{
    f.put(static_cast<char>(v & 0xFF));
    f.put(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::ofstream& f, std::uint32_t v)
{
    put16(f, static_cast<int>(v & 0xFFFF));
    put16(f, static_cast<int>(v >> 16));
}

} // namespace

bool writeWav(const std::string& path, const Samples& s)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);          // size of the format chunk
    put16(f, 1);           // PCM
    put16(f, 1);           // mono
    put32(f, SampleRate);
    put32(f, SampleRate * 2); // bytes per second
    put16(f, 2);           // bytes per sample frame
    put16(f, 16);          // bits per sample
    f.write("data", 4);
    put32(f, dataBytes);
    for (double v : s) {
        const double clamped = std::clamp(v, -1.0, 1.0);
        put16(f, static_cast<int>(std::lround(clamped * 32767.0)));
    }
    return static_cast<bool>(f);
}

double Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

void Biquad::set(double b0, double b1, double b2, double a0, double a1, double a2)
{
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::lowPass(double freq, double q)
{
    const double w = 2 * Pi * freq / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::highPass(double freq, double q)
{
    const double w = 2 * Pi * freq / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::bandPass(double freq, double q)
{
    const double w = 2 * Pi * freq / SampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    set(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

double Biquad::process(double x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double pluck(double t, double attack, double tau)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / tau);
}

} // namespace gensound
