#pragma once
#include <QImage>

// The stage and its world: the stage is a window of StageWidth x StageHeight onto the
// world picture, showing the world point (ViewX, ViewY) at its top-left corner.
struct StageState {
    int StageWidth = 0, StageHeight = 0;
    int WorldWidth = 0, WorldHeight = 0;
    int ViewMaxX = 0, ViewMaxY = 0;   // negative when the world is smaller than the stage
    int ViewX = 0, ViewY = 0;
    int AnimCount = 0;                // 1..1000000, the clock of every cast interval
    QImage shownFrame;                // the stage as last put on screen
    qint64 shownKey = 0;              // the stage image's key after the last tick
    qint64 worldKey = 0;              // the world image's key at the last drawing
    int shownViewX = 0, shownViewY = 0;
};
