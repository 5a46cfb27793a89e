#include "Random.h"

#include <chrono>

void Random::randomize()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

double Random::next()
{
    // 24 bits, as many as a single-precision fraction holds.
    return static_cast<double>(m_engine() >> 8) / 16777216.0;
}
