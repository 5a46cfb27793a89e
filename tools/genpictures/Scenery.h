#pragma once
// The stage's pictures: the living room of the opening, the garden of the adviser's small
// window, and the two casts that move in that garden.
#include <QColor>
#include <QImage>

class QPainter;
class QRectF;

namespace genpictures {

// "オープニング背景", 385 x 330: the family's living room, floor from y 200 down.
QImage openingBackground();
// "背景(160x123)": sky, hills and meadow behind the adviser.
QImage playWorld();
// "背景スプライト": a tree and flowers in front of the sky, four swaying frames of 160 x 128.
QImage backSprite();
constexpr int BackSpriteFrames = 4;
// "流雲": one drifting cloud, 48 x 32.
QImage cloudCast();

// Shared by the scenery: the sky's colours and its gradient from blue to the horizon haze.
const QColor Sky(126, 184, 236), Haze(214, 234, 250);
void skyGradient(QPainter& p, const QRectF& area);

} // namespace genpictures
