#pragma once
#include <cstdint>
#include <random>

// The one random generator of the game. Unseeded it starts from a fixed seed, so the
// picks made before the start-up seeds it repeat from run to run.
class Random {
public:
    static constexpr std::uint32_t FixedSeed = 20260101;

    void seed(std::uint32_t value) { m_engine.seed(value); }
    // Seeds from the clock.
    void randomize();
    // A number in [0, 1).
    double next();
    // An integer drawn evenly from 0..n, and from 1..n.
    int RandomFrom0(int n) { return static_cast<int>((n + 1) * next()); }
    int RandomFrom1(int n) { return static_cast<int>(next() * n) + 1; }

private:
    std::mt19937 m_engine{FixedSeed};
};
