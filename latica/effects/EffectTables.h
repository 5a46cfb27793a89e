#pragma once
#include "form/Color.h"

#include <QRect>

// The code tables of the stage effects and the geometry they compute. A lookup gives 0
// (or a negative time) for a code outside its table; the effects then ignore the call.
namespace effects {

// Colour codes 1..8: red, green, yellow, blue, magenta, cyan, white, black (0xBBGGRR).
bool validColourCode(int code);
form::Colour colourOf(int code);

// ZoomUpWord: start font size (points) by size code 1..5, and the extra size reached by
// growth code 1..5 (the size grows by the growth code per step).
int zoomStartSize(int sizeCode);
int zoomGrowthSpan(int growthCode);

// SlideWord: font size (points) by size code 1..5, and pixels per step by speed code 1..5.
int slideFontSize(int sizeCode);
int slideStep(int speedCode);

// ShakeStage: amplitude in pixels by code 1..5, and the wait per step in seconds.
int shakeAmplitude(int code);
double shakeStepTime(int code);
// One random offset of the shake for u in [0, 1): it lies in 1 - a \ 2 .. a - a \ 2.
int shakeOffset(int amplitude, double u);

// Keypad directions and axes.
bool validSlideDirection(int direction);   // 2, 4, 6, 8
bool validShakeAxis(int axis);              // 28, 46, 2468
bool validStripeAxis(int axis);             // 28, 46

// Where a sliding word starts and how many steps it makes on a stage of W x H for a
// label of w x h.
struct SlidePath {
    int x = 0;
    int y = 0;
    int dx = 0;      // movement per step
    int dy = 0;
    int steps = 0;   // may be 0 or less: the word then stays where it starts
};
SlidePath slidePath(int direction, int stageWidth, int stageHeight, int labelWidth,
                    int labelHeight, int step);

// Rounds to the nearest integer, halves to the even neighbour (as a floating value is
// stored into an integer variable throughout the game).
int roundToInt(double value);

// The part of the stage that one zoom frame at s percent magnifies around (cx, cy),
// kept inside the stage: (x, y) is clamped to 0..W - w and 0..H - h.
QRect spotSourceRect(int stageWidth, int stageHeight, int cx, int cy, int percent);

// Zoom percentages accepted by ZoomSpot: above 100 (100 is the unmagnified stage) and at
// most tenfold, so that the magnified part never shrinks below a pixel on a game stage.
constexpr int SpotZoomMin = 101;
constexpr int SpotZoomMax = 1000;

} // namespace effects
