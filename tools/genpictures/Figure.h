#pragma once
// A family member drawn as a small standing figure with a large head, in the 80 x 112
// frame of the cast pictures (one unit = one pixel of the frame).
#include <QColor>
#include <QPointF>

class QPainter;
class QPainterPath;

namespace genpictures {

enum class HairStyle { LongWithRibbon, ShortSpiky, ShortParted, Bun };
enum class Outfit { BlouseAndSkirt, Hoodie, Cardigan, DressAndApron };

struct Look {
    HairStyle hairStyle;
    Outfit outfit;
    QColor skin, hair, hairShine, eye, top, trim, bottom, shoes, accent;
    bool adult = false;   // smaller eyes, a nose line, no childlike blush
    double faceY = 33;    // centre of the face
    double faceRx = 15.5, faceRy = 16;
    double eyeW = 5.0, eyeH = 6.6;
    double headScale = 1.12; // the head is drawn this much larger, grown from the chin
    double shoulderHalf = 14;
    double hemY = 88;     // lower edge of the top (or of the skirt)
};

// What changes from frame to frame and from face to face.
struct Pose {
    int mood = 3;        // 1 downcast .. 5 beaming
    double lid = 0;      // extra eyelid closing: 0 open, 1 shut
    double nod = 0;      // the head's drop in pixels
    int talk = 0;        // 0 the mood's resting mouth, 1..4 the talking mouths
};

constexpr double FrameWidth = 80, FrameHeight = 112;
constexpr double CentreX = 40, FootY = 108;

// The outline colour of every figure.
QColor inkColor();
// Fills a shape and draws its outline in ink.
void fillInked(QPainter& p, const QPainterPath& path, const QColor& fill, double ink = 0.9);
// Draws a path as a thick round-ended band (an arm, a leg) with an ink edge.
void strokeInked(QPainter& p, const QPainterPath& path, const QColor& color, double width);

void drawFigure(QPainter& p, const Look& look, const Pose& pose);

// Parts of the figure (Body.cpp, Hair.cpp and Face.cpp).
void drawBackHair(QPainter& p, const Look& look, QPointF face);
void drawBody(QPainter& p, const Look& look, const Pose& pose);
void drawArms(QPainter& p, const Look& look, const Pose& pose);
void drawFrontHair(QPainter& p, const Look& look, QPointF face);
void drawHead(QPainter& p, const Look& look, const Pose& pose, QPointF face);

} // namespace genpictures
