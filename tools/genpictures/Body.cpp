// The figure below the head: legs and shoes, the clothes of each outfit, the arms.
#include "Figure.h"

#include <QPainter>
#include <QPainterPath>

namespace genpictures {

namespace {

constexpr double cx = CentreX;

double shoulderY(const Look& look)
{
    return look.faceY + look.faceRy + 3;
}

// A top with rounded shoulders that narrows to the waist and widens again to its hem.
QPainterPath torso(double sy, double sh, double waistY, double waist, double hemY, double hem)
{
    QPainterPath path;
    path.moveTo(cx - sh + 3.5, sy);
    path.lineTo(cx + sh - 3.5, sy);
    path.quadTo(cx + sh, sy, cx + sh, sy + 4);
    path.quadTo(cx + waist + 0.6, (sy + 4 + waistY) / 2, cx + waist, waistY);
    path.lineTo(cx + hem, hemY);
    path.quadTo(cx, hemY + 1.2, cx - hem, hemY);
    path.lineTo(cx - waist, waistY);
    path.quadTo(cx - waist - 0.6, (sy + 4 + waistY) / 2, cx - sh, sy + 4);
    path.quadTo(cx - sh, sy, cx - sh + 3.5, sy);
    path.closeSubpath();
    return path;
}

// Two trouser legs joined at the waist band, from top down to the ankles.
QPainterPath trousers(double top, double half, double bottom)
{
    QPainterPath path;
    path.moveTo(cx - half, top);
    path.lineTo(cx + half, top);
    path.lineTo(cx + half - 1, bottom);
    path.lineTo(cx + 1.2, bottom);
    path.lineTo(cx + 0.4, top + 11);
    path.lineTo(cx - 0.4, top + 11);
    path.lineTo(cx - 1.2, bottom);
    path.lineTo(cx - half + 1, bottom);
    path.closeSubpath();
    return path;
}

// Light comes from the upper left: a soft shadow over the right part of a piece of cloth.
void shade(QPainter& p, const QPainterPath& path, double fromX)
{
    p.save();
    p.setClipPath(path);
    p.fillRect(QRectF(fromX, 0, FrameWidth, FrameHeight), QColor(60, 30, 20, 34));
    p.restore();
}

// A piece of cloth: filled, shaded and outlined.
void cloth(QPainter& p, const QPainterPath& path, const QColor& color, double shadeFrom)
{
    fillInked(p, path, color);
    shade(p, path, shadeFrom);
}

void shoes(QPainter& p, double spread, double rx, double ry, const QColor& color)
{
    for (int side : {-1, 1}) {
        QPainterPath shoe;
        shoe.addEllipse(QPointF(cx + side * spread, FootY - ry), rx, ry);
        fillInked(p, shoe, color);
    }
}

void thinLegs(QPainter& p, const Look& look, double top, double bottom)
{
    for (int side : {-1, 1}) {
        QPainterPath leg;
        leg.moveTo(cx + side * 3, top);
        leg.lineTo(cx + side * 3, bottom);
        strokeInked(p, leg, look.skin, 3.4);
    }
}

void neck(QPainter& p, const Look& look)
{
    QPainterPath path;
    const double top = look.faceY + look.faceRy - 5;
    path.addRect(QRectF(cx - 3.6, top, 7.2, shoulderY(look) - top + 2));
    fillInked(p, path, look.skin.darker(108));
}

void blouseAndSkirt(QPainter& p, const Look& look)
{
    const double sy = shoulderY(look);
    thinLegs(p, look, look.hemY - 2, FootY - 3);
    shoes(p, 3.4, 3.3, 2.4, look.shoes);
    neck(p, look);
    QPainterPath skirt;
    skirt.moveTo(cx - 10, sy + 15);
    skirt.lineTo(cx + 10, sy + 15);
    skirt.lineTo(cx + 16, look.hemY);
    skirt.quadTo(cx, look.hemY + 2.5, cx - 16, look.hemY);
    skirt.closeSubpath();
    cloth(p, skirt, look.bottom, cx + 6);
    p.setPen(QPen(look.bottom.darker(135), 0.7));
    for (double x : {-6.0, 0.0, 6.0})
        p.drawLine(QPointF(cx + x * 0.6, sy + 17), QPointF(cx + x, look.hemY));
    cloth(p, torso(sy, look.shoulderHalf, sy + 14, 9.5, sy + 17, 10.5), look.top, cx + 5);
    // A white collar with a small bow.
    for (int side : {-1, 1}) {
        QPainterPath collar;
        collar.moveTo(cx + side * 0.2, sy + 5);
        collar.lineTo(cx + side * 6.5, sy - 0.5);
        collar.lineTo(cx + side * 7.5, sy + 3.5);
        collar.closeSubpath();
        fillInked(p, collar, look.trim, 0.7);
    }
    QPainterPath bow;
    bow.moveTo(cx, sy + 5);
    bow.lineTo(cx - 3, sy + 3.2);
    bow.lineTo(cx - 3, sy + 7);
    bow.closeSubpath();
    bow.moveTo(cx, sy + 5);
    bow.lineTo(cx + 3, sy + 3.2);
    bow.lineTo(cx + 3, sy + 7);
    bow.closeSubpath();
    fillInked(p, bow, look.accent, 0.6);
}

void hoodie(QPainter& p, const Look& look)
{
    const double sy = shoulderY(look);
    cloth(p, trousers(look.hemY - 3, 11.5, FootY - 3), look.bottom, cx + 5.5);
    shoes(p, 6.2, 5.6, 2.9, look.shoes);
    p.setPen(QPen(look.accent, 0.9));
    for (int side : {-1, 1})
        p.drawLine(QPointF(cx + side * 3.5, FootY - 3.4), QPointF(cx + side * 8.5, FootY - 3.4));
    neck(p, look);
    cloth(p, torso(sy, look.shoulderHalf, look.hemY - 8, 13, look.hemY, 13.2), look.top, cx + 7);
    // The ribbed hem, the hood lying round the neck, the drawstrings and the front pocket.
    QPainterPath rib;
    rib.addRect(QRectF(cx - 13, look.hemY - 2.6, 26, 2.6));
    fillInked(p, rib, look.top.darker(118), 0.6);
    QPainterPath hood;
    hood.addEllipse(QPointF(cx, sy + 1), 9.5, 4.2);
    QPainterPath opening;
    opening.addEllipse(QPointF(cx, sy + 0.2), 5, 2.6);
    fillInked(p, hood.subtracted(opening), look.top.darker(115), 0.7);
    p.setPen(QPen(look.trim, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 2.6, sy + 3.5), QPointF(cx - 3.2, sy + 12));
    p.drawLine(QPointF(cx + 2.6, sy + 3.5), QPointF(cx + 3.2, sy + 11));
    QPainterPath pocket;
    pocket.moveTo(cx - 8, look.hemY - 4);
    pocket.lineTo(cx - 6, look.hemY - 13);
    pocket.lineTo(cx + 6, look.hemY - 13);
    pocket.lineTo(cx + 8, look.hemY - 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.top.darker(140), 0.7));
    p.drawPath(pocket);
}

void cardigan(QPainter& p, const Look& look)
{
    const double sy = shoulderY(look);
    cloth(p, trousers(look.hemY - 3, 13, FootY - 3), look.bottom, cx + 6.5);
    p.setPen(QPen(look.bottom.darker(125), 0.6));
    p.drawLine(QPointF(cx - 6.5, look.hemY + 2), QPointF(cx - 6.2, FootY - 4));
    p.drawLine(QPointF(cx + 6.5, look.hemY + 2), QPointF(cx + 6.2, FootY - 4));
    shoes(p, 6.4, 5.8, 2.6, look.shoes);
    neck(p, look);
    // A roomy knit cardigan with a little belly, over a white shirt and a tie.
    cloth(p, torso(sy, look.shoulderHalf, sy + 20, 16, look.hemY, 15), look.top, cx + 8);
    QPainterPath shirt;
    shirt.moveTo(cx - 5.5, sy - 0.3);
    shirt.lineTo(cx + 5.5, sy - 0.3);
    shirt.lineTo(cx, sy + 17);
    shirt.closeSubpath();
    fillInked(p, shirt, look.trim, 0.7);
    QPainterPath tie;
    tie.moveTo(cx - 1.4, sy + 1.5);
    tie.lineTo(cx + 1.4, sy + 1.5);
    tie.lineTo(cx + 2, sy + 13);
    tie.lineTo(cx, sy + 16);
    tie.lineTo(cx - 2, sy + 13);
    tie.closeSubpath();
    fillInked(p, tie, look.accent, 0.6);
    for (int side : {-1, 1}) {
        QPainterPath collar;
        collar.moveTo(cx + side * 0.5, sy + 1.8);
        collar.lineTo(cx + side * 5.5, sy - 0.8);
        collar.lineTo(cx + side * 4.2, sy + 3.2);
        collar.closeSubpath();
        fillInked(p, collar, look.trim, 0.6);
    }
    p.setPen(QPen(look.top.darker(135), 0.8));
    p.drawLine(QPointF(cx - 5.5, sy), QPointF(cx - 0.2, sy + 17));
    p.drawLine(QPointF(cx + 5.5, sy), QPointF(cx + 0.2, sy + 17));
    p.drawLine(QPointF(cx, sy + 17), QPointF(cx, look.hemY));
    p.setBrush(look.top.lighter(140));
    p.setPen(QPen(inkColor(), 0.5));
    for (double y : {sy + 21, sy + 26, look.hemY - 3})
        p.drawEllipse(QPointF(cx + 1.8, y), 0.9, 0.9);
}

void dressAndApron(QPainter& p, const Look& look)
{
    const double sy = shoulderY(look);
    thinLegs(p, look, look.hemY - 3, FootY - 2);
    shoes(p, 4, 4.2, 2.3, look.shoes);
    neck(p, look);
    QPainterPath skirt;
    skirt.moveTo(cx - 11, sy + 15);
    skirt.lineTo(cx + 11, sy + 15);
    skirt.quadTo(cx + 16, look.hemY - 12, cx + 17.5, look.hemY);
    skirt.quadTo(cx, look.hemY + 2.5, cx - 17.5, look.hemY);
    skirt.quadTo(cx - 16, look.hemY - 12, cx - 11, sy + 15);
    cloth(p, skirt, look.top, cx + 8);
    cloth(p, torso(sy, look.shoulderHalf, sy + 15, 10.5, sy + 17, 11), look.top, cx + 5.5);
    // The apron: a bib with straps and a long front with a pocket and a frilled hem.
    QPainterPath apron;
    apron.moveTo(cx - 6.5, sy + 5);
    apron.lineTo(cx + 6.5, sy + 5);
    apron.lineTo(cx + 7, sy + 16);
    apron.lineTo(cx + 13, look.hemY - 6);
    apron.quadTo(cx, look.hemY - 3.5, cx - 13, look.hemY - 6);
    apron.lineTo(cx - 7, sy + 16);
    apron.closeSubpath();
    cloth(p, apron, look.bottom, cx + 6);
    p.setPen(QPen(look.bottom.darker(125), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 6.5, sy + 5.4), QPointF(cx - look.shoulderHalf + 4, sy + 0.5));
    p.drawLine(QPointF(cx + 6.5, sy + 5.4), QPointF(cx + look.shoulderHalf - 4, sy + 0.5));
    p.drawLine(QPointF(cx - 8, sy + 16), QPointF(cx + 8, sy + 16));
    QPainterPath pocket;
    pocket.addRoundedRect(QRectF(cx - 4.5, sy + 24, 9, 6), 1.5, 1.5);
    fillInked(p, pocket, look.bottom.lighter(106), 0.6);
    p.setPen(QPen(look.accent, 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath frill;
    frill.moveTo(cx - 12.5, look.hemY - 7.4);
    for (int i = 0; i < 6; ++i) {
        const double x0 = cx - 12.5 + i * 25.0 / 6, y = look.hemY - 7.2 + (i < 3 ? i : 5 - i) * 0.9;
        frill.quadTo(x0 + 25.0 / 12, y + 1.6, x0 + 25.0 / 6, y);
    }
    p.drawPath(frill);
    // A round white collar.
    for (int side : {-1, 1}) {
        QPainterPath collar;
        collar.addEllipse(QPointF(cx + side * 3.4, sy + 1.2), 3.6, 2.2);
        fillInked(p, collar, look.trim, 0.6);
    }
}

} // namespace

void drawBody(QPainter& p, const Look& look, const Pose&)
{
    switch (look.outfit) {
    case Outfit::BlouseAndSkirt: blouseAndSkirt(p, look); break;
    case Outfit::Hoodie: hoodie(p, look); break;
    case Outfit::Cardigan: cardigan(p, look); break;
    case Outfit::DressAndApron: dressAndApron(p, look); break;
    }
}

void drawArms(QPainter& p, const Look& look, const Pose& pose)
{
    const double sy = shoulderY(look), sh = look.shoulderHalf;
    const double sleeve = look.outfit == Outfit::Cardigan ? 6.6 : look.outfit == Outfit::Hoodie ? 6.2 : 5.4;
    for (int side : {-1, 1}) {
        const QPointF shoulder(cx + side * (sh - 2.8), sy + 3.2);
        QPointF elbow(cx + side * (sh + 1.5), sy + 12), hand(cx + side * (sh + 1), sy + 22);
        if (pose.mood == 1) {            // hanging close to the body
            elbow = QPointF(cx + side * (sh + 0.4), sy + 12);
            hand = QPointF(cx + side * (sh - 1.4), sy + 22.5);
        } else if (pose.mood == 4) {     // hands folded in front
            elbow = QPointF(cx + side * (sh + 1.2), sy + 13);
            hand = QPointF(cx + side * 2.4, sy + 19.5);
        } else if (pose.mood == 5 && side == 1) { // waving
            elbow = QPointF(cx + sh + 6.5, sy + 0.5);
            hand = QPointF(cx + sh + 7.5, sy - 10.5);
        }
        QPainterPath arm(shoulder);
        arm.lineTo(elbow);
        arm.lineTo(hand);
        strokeInked(p, arm, look.top, sleeve);
        QPainterPath palm;
        palm.addEllipse(hand, 2.7, 2.7);
        if (pose.mood == 5 && side == 1) {
            QPainterPath thumb;
            thumb.addEllipse(QPointF(hand.x() - 2.4, hand.y() + 0.6), 1.3, 1.0);
            palm = palm.united(thumb);
        }
        fillInked(p, palm, look.skin, 0.8);
    }
}

} // namespace genpictures
