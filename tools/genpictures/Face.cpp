// The face: its shape, eyes, brows, nose and mouth for each mood and frame, the father's
// glasses, the mother's earrings and the mood's small signs (the sweat drop of a downcast
// face, the blush of a happy one).
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Figure.h"
#include "Shapes.h"

namespace genpictures {

namespace {

// A round skull with a softly pointed chin.
QPainterPath faceShape(QPointF f, double rx, double ry, double chin)
{
    QPainterPath path;
    path.moveTo(f.x() - rx, f.y());
    path.arcTo(QRectF(f.x() - rx, f.y() - ry, 2 * rx, 2 * ry), 180, -180);
    path.cubicTo(f.x() + rx, f.y() + ry * 0.55, f.x() + rx * chin, f.y() + ry, f.x(), f.y() + ry);
    path.cubicTo(f.x() - rx * chin, f.y() + ry, f.x() - rx, f.y() + ry * 0.55, f.x() - rx, f.y());
    path.closeSubpath();
    return path;
}

struct MouthShape {
    double width, open, curve;
    bool round, teeth;
};

MouthShape mouthFor(const Pose& pose)
{
    static const double widths[] = {4.6, 5.0, 5.4, 6.4, 7.4};
    static const double talkCurve[] = {-1.0, -0.3, 0.4, 1.2, 1.6};
    static const double restCurve[] = {-1.6, -0.5, 0.9, 2.0, 1.6};
    static const double openness[] = {0.4, 1.0, 0.75, 0.6};
    const int m = std::clamp(pose.mood, 1, 5) - 1;
    const double scale = 2.6 + m * 0.45;
    if (pose.talk >= 1 && pose.talk <= 4)
        return {widths[m], scale * openness[pose.talk - 1] * 1.2, talkCurve[m], pose.talk == 3, m == 4 && pose.talk == 2};
    if (m == 4)
        return {widths[m], 2.9, restCurve[m], false, true};
    return {widths[m], 0, restCurve[m], false, false};
}

void drawMouth(QPainter& p, QPointF at, const MouthShape& s)
{
    const QColor lip(128, 52, 48);
    const double half = s.width / 2;
    if (s.open <= 0) {
        QPainterPath line(at + QPointF(-half, 0));
        line.quadTo(at + QPointF(0, s.curve), at + QPointF(half, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(lip, 0.95, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(line);
        return;
    }
    QPainterPath mouth;
    if (s.round) {
        mouth.addEllipse(at + QPointF(0, s.open / 2 - 0.3), s.width * 0.32, s.open / 2);
    } else {
        const double top = s.curve * 0.35;
        mouth.moveTo(at + QPointF(-half, 0));
        mouth.quadTo(at + QPointF(0, 2 * top), at + QPointF(half, 0));
        mouth.quadTo(at + QPointF(0, 2 * (top + s.open)), at + QPointF(-half, 0));
        mouth.closeSubpath();
    }
    fillInked(p, mouth, QColor(112, 34, 42), 0.7);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 118, 122));
    const QRectF box = mouth.boundingRect();
    p.drawEllipse(QPointF(box.center().x(), box.bottom()), box.width() * 0.3, box.height() * 0.45);
    if (s.teeth) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(box.left(), box.top() - 1, box.width(), 1.9));
    }
    p.restore();
}

// One eye; `closed` is how far the upper lid has come down (0 open, 1 shut).
void drawEye(QPainter& p, const Look& look, const Pose& pose, QPointF at, int side, double closed)
{
    const double w = look.eyeW, h = look.eyeH;
    const double lash = look.adult ? 1.0 : 1.25;
    // Sad eyes droop: the lid runs down towards the outer corner.
    const double tilt = pose.mood == 1 ? 1.6 : pose.mood == 2 ? 0.7 : 0;
    const QColor ink = inkColor();
    if (closed >= 0.95) {
        QPainterPath lid(at + QPointF(-w / 2 - 0.5, h * 0.05));
        lid.quadTo(at + QPointF(0, h * 0.05 + 1.9), at + QPointF(w / 2 + 0.5, h * 0.05));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, lash, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(lid);
        return;
    }
    const double lidY = at.y() - h / 2 + closed * h;
    const double lowY = pose.mood == 5 ? at.y() + h * 0.28 : at.y() + h / 2 + 1;
    const double innerX = at.x() - side * (w / 2 + 0.6), outerX = at.x() + side * (w / 2 + 0.6);
    const double lidIn = lidY - tilt / 2, lidOut = lidY + tilt / 2;
    p.save();
    p.setClipPath(polygon({{innerX, lidIn}, {outerX, lidOut}, {outerX, lowY}, {innerX, lowY}}));
    const QPointF iris = at + QPointF(0, pose.mood == 1 ? 0.7 : 0);
    QLinearGradient shade(iris + QPointF(0, -h / 2), iris + QPointF(0, h / 2));
    shade.setColorAt(0, look.eye.darker(190));
    shade.setColorAt(1, look.eye.lighter(135));
    p.setBrush(shade);
    p.setPen(QPen(ink, 0.45));
    p.drawEllipse(iris, w / 2, h / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(look.eye.darker(260));
    p.drawEllipse(iris + QPointF(0, h * 0.08), w * 0.24, h * 0.24);
    p.setBrush(Qt::white);
    p.drawEllipse(iris + QPointF(-w * 0.2, -h * 0.2), look.adult ? 0.65 : 1.0, look.adult ? 0.65 : 1.0);
    if (!look.adult)
        p.drawEllipse(iris + QPointF(w * 0.18, h * 0.22), 0.5, 0.5);
    p.restore();
    // The upper lash line follows the lid; women get a small flick at the outer corner.
    QPainterPath line(QPointF(innerX, lidIn + 0.9 - closed * 0.6));
    line.quadTo(QPointF(at.x(), lidY - 0.7 + closed * 0.9), QPointF(outerX, lidOut + 0.9 - closed * 0.6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, lash, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(line);
    const bool woman = look.hairStyle == HairStyle::LongWithRibbon || look.hairStyle == HairStyle::Bun;
    if (woman) {
        const QPointF outer(outerX - side * 0.1, lidOut + 0.8 - closed * 0.6);
        p.drawLine(outer, outer + QPointF(side * 1.1, -0.9));
    }
    if (pose.mood == 5) {   // cheeks pushing the lower lid up
        p.setPen(QPen(ink, 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(at.x() - w / 2, lowY - 0.6, w, 1.8), 20 * 16, 140 * 16);
    }
}

void drawBrow(QPainter& p, const Look& look, const Pose& pose, QPointF eye, int side)
{
    static const double innerLift[] = {2.2, 1.2, 0.0, 0.2, 0.9};
    static const double outerLift[] = {-0.4, -0.1, 0.0, 0.3, 0.9};
    static const double arch[] = {0.2, 0.3, 0.5, 0.9, 1.1};
    const int m = std::clamp(pose.mood, 1, 5) - 1;
    const double y = eye.y() - look.eyeH / 2 - 2.0;
    const QPointF inner(eye.x() - side * 2.8, y - innerLift[m]);
    const QPointF outer(eye.x() + side * 3.2, y + 0.6 - outerLift[m]);
    QPainterPath brow(inner);
    brow.quadTo((inner + outer) / 2 - QPointF(0, arch[m]), outer);
    const bool thick = look.hairStyle == HairStyle::ShortSpiky || look.hairStyle == HairStyle::ShortParted;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.hair.darker(170), thick ? 1.35 : 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(brow);
}

void drawGlasses(QPainter& p, QPointF left, QPointF right, double faceRx, double cx)
{
    const QColor frame(84, 64, 46);
    p.setPen(QPen(frame, 0.8));
    p.setBrush(QColor(255, 255, 255, 45));
    for (QPointF eye : {left, right})
        p.drawRoundedRect(QRectF(eye.x() - 3.9, eye.y() - 3.0, 7.8, 6.2), 2.2, 2.2);
    p.drawLine(QPointF(left.x() + 3.9, left.y() - 0.8), QPointF(right.x() - 3.9, right.y() - 0.8));
    p.drawLine(QPointF(left.x() - 3.9, left.y() - 1.2), QPointF(cx - faceRx + 0.3, left.y() - 1.6));
    p.drawLine(QPointF(right.x() + 3.9, right.y() - 1.2), QPointF(cx + faceRx - 0.3, right.y() - 1.6));
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.6));
    for (QPointF eye : {left, right})
        p.drawLine(eye + QPointF(1.2, -2.2), eye + QPointF(2.6, -0.9));
}

} // namespace

void drawHead(QPainter& p, const Look& look, const Pose& pose, QPointF f)
{
    const double rx = look.faceRx, ry = look.faceRy, x = f.x();
    const bool man = look.hairStyle == HairStyle::ShortSpiky || look.hairStyle == HairStyle::ShortParted;
    if (man)
        for (int side : {-1, 1}) {
            QPainterPath ear;
            ear.addEllipse(QPointF(x + side * (rx - 0.2), f.y() + 2.5), 2.4, 3.3);
            fillInked(p, ear, look.skin);
        }
    const double chin = look.adult ? 0.6 : 0.45;
    fillInked(p, faceShape(f, rx, ry, chin), look.skin);

    const double eyeY = f.y() + (look.adult ? 2.4 : 3.0);
    const double sep = look.adult ? 6.6 : 7.0;
    const QPointF leftEye(x - sep, eyeY), rightEye(x + sep, eyeY);
    const int m = std::clamp(pose.mood, 1, 5);
    // Cheeks: a faint blush on the young, a warm one on every happy face.
    const int blush = m >= 4 ? (m == 5 ? 150 : 95) : look.adult ? 0 : 55;
    if (blush) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 120, 120, blush));
        p.drawEllipse(QPointF(x - 9.6, eyeY + 4.6), 2.8, 1.5);
        p.drawEllipse(QPointF(x + 9.6, eyeY + 4.6), 2.8, 1.5);
    }
    const double baseLid = m == 1 ? 0.25 : m == 2 ? 0.1 : 0;
    const double closed = std::min(1.0, baseLid + pose.lid);
    drawEye(p, look, pose, leftEye, -1, closed);
    drawEye(p, look, pose, rightEye, 1, closed);

    // The nose: a small hook on the parents, a touch on the young.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.skin.darker(140), 0.75, Qt::SolidLine, Qt::RoundCap));
    if (look.adult) {
        QPainterPath nose(QPointF(x + 0.4, eyeY + 1.6));
        nose.quadTo(QPointF(x + 1.5, eyeY + 4.2), QPointF(x - 0.6, eyeY + 4.6));
        p.drawPath(nose);
    } else {
        p.drawLine(QPointF(x + 0.3, eyeY + 3.8), QPointF(x - 0.2, eyeY + 4.6));
    }
    const QPointF mouthAt(x, eyeY + (look.adult ? 8.0 : 7.4));
    drawMouth(p, mouthAt, mouthFor(pose));

    drawFrontHair(p, look, f);
    drawBrow(p, look, pose, leftEye, -1);
    drawBrow(p, look, pose, rightEye, 1);
    if (look.hairStyle == HairStyle::ShortParted)
        drawGlasses(p, leftEye, rightEye, rx, x);
    if (look.hairStyle == HairStyle::Bun)
        for (int side : {-1, 1}) {
            QPainterPath pearl;
            pearl.addEllipse(QPointF(x + side * (rx + 0.6), f.y() + 8.6), 1.1, 1.1);
            fillInked(p, pearl, QColor(250, 246, 236), 0.5);
        }
    if (m == 1) {   // a sweat drop beside the head
        QPainterPath drop(QPointF(x + rx + 3, f.y() - 7));
        drop.cubicTo(QPointF(x + rx + 5.2, f.y() - 3), QPointF(x + rx + 5.2, f.y() - 1),
                     QPointF(x + rx + 3, f.y() - 1));
        drop.cubicTo(QPointF(x + rx + 0.8, f.y() - 1), QPointF(x + rx + 0.8, f.y() - 3), QPointF(x + rx + 3, f.y() - 7));
        fillInked(p, drop, QColor(170, 215, 245), 0.6);
    }
}

} // namespace genpictures
