#pragma once
#include <QImage>
#include <vector>

#include "CastRecord.h"

// One cast as a tick drew it on the stage: a tick that would draw the same list over
// the same view draws nothing.
struct DrawnCast {
    int cast = 0, cell = 0;
    int x = 0, y = 0, width = 0, height = 0, frame = 0;
    qint64 pictureKey = 0;
    bool operator==(const DrawnCast&) const = default;
};

// The stage and its world: the stage is a window of StageWidth x StageHeight onto the
// world picture, showing the world point (ViewX, ViewY) at its top-left corner.
struct StageState {
    int StageWidth = 0, StageHeight = 0;
    int WorldWidth = 0, WorldHeight = 0;
    int ViewMaxX = 0, ViewMaxY = 0;   // negative when the world is smaller than the stage
    int ViewX = 0, ViewY = 0;
    int AnimCount = 0;                // 1..1000000, the clock of every cast interval
    std::vector<DrawnCast> shownCasts; // the casts of the last drawing, in drawing order
    std::vector<CastRecord> restCasts; // the casts and view when the animation began to rest
    int restViewX = 0, restViewY = 0;
    qint64 shownKey = 0;              // the stage image's key after the last tick
    qint64 worldKey = 0;              // the world image's key at the last drawing
    int shownViewX = 0, shownViewY = 0;
};
