// Hair: the mass behind the head (drawn before the body) and the fringe in front of the
// face, for each of the four styles.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "Figure.h"
#include "Shapes.h"

namespace genpictures {

namespace {

void hairShine(QPainter& p, const Look& look, QPointF f)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.hairShine, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(f.x() - look.faceRx + 1, f.y() - look.faceRy - 0.8, 2 * look.faceRx - 2, 2 * look.faceRy),
              60 * 16, 55 * 16);
}

} // namespace

void drawFrontHair(QPainter& p, const Look& look, QPointF f)
{
    const double x = f.x(), y = f.y(), rx = look.faceRx, ry = look.faceRy;
    switch (look.hairStyle) {
    case HairStyle::LongWithRibbon: {
        // A fringe of soft points and two locks framing the cheeks.
        QPainterPath fringe = capAbove(QPointF(x, y - 0.5), rx + 2, ry + 2.5, y - 4);
        fringe = fringe.united(softPolygon({{x - rx - 1.5, y - 6}, {x - 10, y - 8.5}, {x - 7.5, y - 4.2},
                                            {x - 4.5, y - 8.8}, {x - 1, y - 4.6}, {x + 2.5, y - 9},
                                            {x + 6.5, y - 4.4}, {x + 9.5, y - 8.5}, {x + rx + 1.5, y - 6},
                                            {x + rx, y - 14}, {x - rx, y - 14}}));
        for (int side : {-1, 1})
            fringe = fringe.united(softPolygon({{x + side * (rx + 2.2), y - 8}, {x + side * (rx + 2.4), y + 8},
                                                {x + side * (rx + 0.5), y + 15}, {x + side * (rx - 2.2), y + 4},
                                                {x + side * (rx - 3.5), y - 6}}));
        fillInked(p, fringe, look.hair);
        hairShine(p, look, f);
        // The ribbon on the right of the head.
        const QPointF knot(x + rx - 3, y - ry + 1);
        QPainterPath bow = softPolygon({knot, knot + QPointF(-4.5, -3.5), knot + QPointF(-5, 2.5)});
        bow = bow.united(softPolygon({knot, knot + QPointF(4.5, -3.8), knot + QPointF(5, 2.2)}));
        fillInked(p, bow, look.accent, 0.7);
        QPainterPath centre;
        centre.addEllipse(knot, 1.5, 1.5);
        fillInked(p, centre, look.accent.darker(120), 0.6);
        break;
    }
    case HairStyle::ShortSpiky: {
        QVector<QPointF> pts;
        pts << QPointF(x - rx - 2, y + 3) << QPointF(x - rx - 2.5, y - 8);
        // Fringe spikes from the left temple to the right one.
        const double tips[] = {-11, -7.5, -3.5, 0.5, 4.5, 8.5, 12};
        for (int i = 0; i < 7; ++i) {
            pts << QPointF(x + tips[i], y - (i % 2 ? 10 : 8.5));
            pts << QPointF(x + tips[i] + 1.8, y - (i % 2 ? 5 : 4));
        }
        pts << QPointF(x + rx + 2.5, y - 8) << QPointF(x + rx + 2, y + 3) << QPointF(x + rx, y - 12)
            << QPointF(x, y - ry - 1) << QPointF(x - rx, y - 12);
        fillInked(p, polygon(pts), look.hair);
        hairShine(p, look, f);
        break;
    }
    case HairStyle::ShortParted: {
        // Short hair with a side parting, a high forehead and grey temples.
        QPainterPath cap = capAbove(QPointF(x, y - 1), rx + 2, ry + 2.2, y + 1);
        QPainterPath forehead = softPolygon({{x - rx + 2.5, y + 2}, {x - rx + 3, y - 8}, {x - 5, y - 10.5},
                                             {x - 3, y - 8.5}, {x + 6, y - 10}, {x + rx - 3.5, y - 8},
                                             {x + rx - 2.5, y + 2}});
        cap = cap.subtracted(forehead);
        QRadialGradient grey(QPointF(x, y - ry + 2), rx + 3);
        grey.setColorAt(0.7, look.hair);
        grey.setColorAt(1, look.hairShine);
        p.setBrush(grey);
        p.setPen(QPen(inkColor(), 0.9));
        p.drawPath(cap);
        // Combed strands sweeping away from the parting.
        p.save();
        p.setClipPath(cap);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.hair.darker(135), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 5, y - 10.5), QPointF(x - 6.5, y - ry - 1));
        for (int i = 0; i < 3; ++i) {
            QPainterPath strand(QPointF(x - 3 + i * 4, y - ry - 1));
            strand.quadTo(QPointF(x + 1 + i * 4.5, y - 13 + i), QPointF(x + 5 + i * 3.5, y - 9.5 + i * 0.8));
            p.drawPath(strand);
        }
        p.restore();
        break;
    }
    case HairStyle::Bun: {
        // Hair drawn back into the bun, parted in the middle with soft curtains of fringe.
        QPainterPath cap = capAbove(QPointF(x, y - 0.5), rx + 2, ry + 2.4, y + 7);
        const QPainterPath forehead = softPolygon({{x - rx + 0.8, y + 12}, {x - rx + 1.2, y + 2}, {x - rx + 2.5, y - 4.5},
                                                   {x - 6, y - 8.8}, {x, y - 6.2}, {x + 6, y - 8.8},
                                                   {x + rx - 2.5, y - 4.5}, {x + rx - 1.2, y + 2}, {x + rx - 0.8, y + 12}});
        cap = cap.subtracted(forehead);
        fillInked(p, cap, look.hair);
        hairShine(p, look, f);
        p.setPen(QPen(look.hair.darker(150), 0.6));
        p.drawLine(QPointF(x, y - 6.5), QPointF(x + 0.5, y - ry - 1.5));
        break;
    }
    }
}

void drawBackHair(QPainter& p, const Look& look, QPointF f)
{
    const double x = f.x(), y = f.y(), rx = look.faceRx, ry = look.faceRy;
    QPainterPath back;
    switch (look.hairStyle) {
    case HairStyle::LongWithRibbon:
        // Long hair falling down the back to the waist, with soft ends.
        back.moveTo(x - rx - 3.5, y);
        back.arcTo(QRectF(x - rx - 3.5, y - ry - 3.5, 2 * rx + 7, 2 * ry + 7), 180, -180);
        back.cubicTo(x + rx + 5.5, y + 16, x + rx + 5, y + 32, x + rx + 2.5, y + 41);
        back.quadTo(x + rx - 1, y + 38, x + 9, y + 42);
        back.quadTo(x + 4, y + 38, x, y + 41.5);
        back.quadTo(x - 4, y + 38, x - 9, y + 42);
        back.quadTo(x - rx + 1, y + 38, x - rx - 2.5, y + 41);
        back.cubicTo(x - rx - 5, y + 32, x - rx - 5.5, y + 16, x - rx - 3.5, y);
        back.closeSubpath();
        break;
    case HairStyle::ShortSpiky: {
        // Spikes all round the crown.
        QVector<QPointF> pts;
        for (int i = 0; i <= 12; ++i) {
            const double a = (200 - i * 220.0 / 12) * M_PI / 180;
            const double r = i % 2 ? 4.8 : 2.2;
            pts << QPointF(x + (rx + r) * std::cos(a), y - 1 - (ry + r) * std::sin(a));
        }
        pts << QPointF(x + rx, y + 5) << QPointF(x - rx, y + 5);
        back = polygon(pts);
        break;
    }
    case HairStyle::ShortParted:
        back = capAbove(QPointF(x, y - 1), rx + 2, ry + 2.2, y + 3);
        break;
    case HairStyle::Bun:
        back.addEllipse(QPointF(x + 1.5, y - ry - 3.5), 6.8, 6);
        back = back.united(capAbove(QPointF(x, y - 0.5), rx + 2.2, ry + 2.4, y + 9));
        break;
    }
    if (look.hairStyle == HairStyle::ShortParted) {
        QRadialGradient grey(QPointF(x, y - ry), rx + 4);
        grey.setColorAt(0.55, look.hair);
        grey.setColorAt(1, look.hairShine);
        p.setBrush(grey);
        p.setPen(QPen(inkColor(), 0.9));
        p.drawPath(back);
    } else {
        fillInked(p, back, look.hair.darker(look.hairStyle == HairStyle::LongWithRibbon ? 112 : 100));
    }
    if (look.hairStyle == HairStyle::Bun) {   // a hair pin through the bun
        p.setPen(QPen(look.accent, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 5.5, y - ry - 6.5), QPointF(x + 8.5, y - ry - 1.5));
        p.setBrush(look.accent);
        p.drawEllipse(QPointF(x - 5.5, y - ry - 6.5), 1.1, 1.1);
    }
}

} // namespace genpictures
