#pragma once
#include <QColor>
#include <cstdint>

namespace form {

// Colours are kept as the 24-bit values 0xBBGGRR: blue in the high byte, red in the low one.
using Colour = std::uint32_t;

inline QColor toQColor(Colour bbggrr)
{
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

inline Colour fromQColor(const QColor& c)
{
    return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16);
}

} // namespace form
