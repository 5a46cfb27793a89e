#include "EffectTables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace effects {

namespace {

// Looks up a code 1..N in a table; 0 for codes outside it.
template <typename T, std::size_t N>
T lookup(const std::array<T, N>& table, int code, T outside = T())
{
    if (code < 1 || code > static_cast<int>(N))
        return outside;
    return table[static_cast<std::size_t>(code - 1)];
}

constexpr std::array<form::Colour, 8> Colours{
    0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, 0x000000};
constexpr std::array<int, 5> ZoomStartSizes{16, 24, 32, 48, 64};
constexpr std::array<int, 5> ZoomGrowthSpans{40, 60, 80, 100, 120};
constexpr std::array<int, 5> SlideFontSizes{8, 12, 18, 27, 40};
constexpr std::array<int, 5> SlideSteps{1, 2, 4, 8, 16};
constexpr std::array<int, 5> ShakeAmplitudes{3, 6, 9, 12, 15};
constexpr std::array<double, 5> ShakeStepTimes{0.3, 0.2, 0.1, 0.05, 0.001};

} // namespace

bool validColourCode(int code) { return code >= 1 && code <= 8; }
form::Colour colourOf(int code) { return lookup(Colours, code); }
int zoomStartSize(int sizeCode) { return lookup(ZoomStartSizes, sizeCode); }
int zoomGrowthSpan(int growthCode) { return lookup(ZoomGrowthSpans, growthCode); }
int slideFontSize(int sizeCode) { return lookup(SlideFontSizes, sizeCode); }
int slideStep(int speedCode) { return lookup(SlideSteps, speedCode); }
int shakeAmplitude(int code) { return lookup(ShakeAmplitudes, code); }
double shakeStepTime(int code) { return lookup(ShakeStepTimes, code, -1.0); }

int shakeOffset(int amplitude, double u)
{
    return static_cast<int>(std::floor(u * amplitude)) - (amplitude / 2 - 1);
}

bool validSlideDirection(int direction)
{
    return direction == 2 || direction == 4 || direction == 6 || direction == 8;
}

bool validShakeAxis(int axis) { return axis == 28 || axis == 46 || axis == 2468; }
bool validStripeAxis(int axis) { return axis == 28 || axis == 46; }

SlidePath slidePath(int direction, int stageWidth, int stageHeight, int labelWidth,
                    int labelHeight, int step)
{
    const int freeW = stageWidth - labelWidth;
    const int freeH = stageHeight - labelHeight;
    SlidePath p;
    switch (direction) {
    case 2:
        p = {freeW / 2, -8, 0, step, (freeH / 2) / step};
        break;
    case 4:
        p = {freeW + 64, freeH / 2, -step, 0, 3 * ((freeW / 2) / step)};
        break;
    case 6:
        p = {-64, freeH / 2, step, 0, 3 * ((freeW / 2) / step)};
        break;
    case 8:
        p = {freeW / 2, freeH + 8, 0, -step, (freeH / 2) / step};
        break;
    default:
        break;
    }
    return p;
}

int roundToInt(double value)
{
    // Independent of the floating-point rounding mode.
    const double below = std::floor(value);
    const double rest = value - below;
    double result = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        result = below + 1.0;
    return static_cast<int>(result);
}

QRect spotSourceRect(int stageWidth, int stageHeight, int cx, int cy, int percent)
{
    // At least one pixel, however small the stage and large the zoom.
    const int w = std::max(1, roundToInt(stageWidth * 100.0 / percent));
    const int h = std::max(1, roundToInt(stageHeight * 100.0 / percent));
    int x = roundToInt(cx - w / 2.0);
    int y = roundToInt(cy - h / 2.0);
    if (x < 0)
        x = 0;
    else if (x > stageWidth - w)
        x = stageWidth - w;
    if (y < 0)
        y = 0;
    else if (y > stageHeight - h)
        y = stageHeight - h;
    return QRect(x, y, w, h);
}

} // namespace effects
