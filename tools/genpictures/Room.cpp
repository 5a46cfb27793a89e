// The living room of the opening: wall, window with curtains, shelf, plant, lamp, rug.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Canvas.h"
#include "Figure.h"
#include "Scenery.h"

namespace genpictures {

namespace {

// A soft cloud made of overlapping round puffs.
void puffs(QPainter& p, QPointF at, double size, const QColor& body)
{
    QPainterPath cloud;
    const double blobs[][3] = {{-0.9, 0.15, 0.45}, {-0.35, -0.2, 0.6}, {0.3, -0.3, 0.55}, {0.85, 0.1, 0.45},
                               {0, 0.25, 0.5}};
    for (const auto& b : blobs)
        cloud.addEllipse(at + QPointF(b[0] * size, b[1] * size), b[2] * size, b[2] * size * 0.8);
    cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(body.darker(108));
    p.drawPath(cloud.translated(0, size * 0.08));
    p.setBrush(body);
    p.drawPath(cloud);
}

void window(QPainter& p, const QRectF& r)
{
    skyGradient(p, r);
    puffs(p, r.topLeft() + QPointF(r.width() * 0.3, r.height() * 0.25), 14, QColor(250, 252, 255));
    puffs(p, r.topLeft() + QPointF(r.width() * 0.78, r.height() * 0.4), 10, QColor(250, 252, 255));
    // Garden trees and a hedge beyond the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 176, 100));
    p.drawEllipse(QPointF(r.left() + 20, r.bottom() - 12), 30, 24);
    p.drawEllipse(QPointF(r.right() - 14, r.bottom() - 16), 28, 30);
    p.setBrush(QColor(98, 150, 84));
    p.drawRect(QRectF(r.left(), r.bottom() - 16, r.width(), 16));
    const QColor wood(156, 108, 68);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(wood, 6));
    p.drawRect(r);
    p.setPen(QPen(wood, 3.5));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.setPen(QPen(wood.darker(130), 1));
    p.drawRect(r.adjusted(-3, -3, 3, 3));
    p.fillRect(QRectF(r.left() - 8, r.bottom() + 3, r.width() + 16, 5), wood.darker(110));
}

void curtain(QPainter& p, double x, double top, double bottom, int side)
{
    QPainterPath drape;
    drape.moveTo(x, top);
    drape.lineTo(x + side * 30, top);
    drape.cubicTo(QPointF(x + side * 24, top + 40), QPointF(x + side * 8, top + 60), QPointF(x + side * 12, top + 72));
    drape.cubicTo(QPointF(x + side * 16, top + 88), QPointF(x + side * 14, bottom - 10), QPointF(x + side * 20, bottom));
    drape.lineTo(x, bottom);
    drape.closeSubpath();
    QLinearGradient cloth(QPointF(x, 0), QPointF(x + side * 30, 0));
    cloth.setColorAt(0, QColor(226, 142, 96));
    cloth.setColorAt(1, QColor(246, 184, 132));
    p.setBrush(cloth);
    p.setPen(QPen(QColor(176, 98, 62), 1));
    p.drawPath(drape);
    p.setPen(QPen(QColor(200, 118, 78), 1));
    for (int i = 1; i <= 3; ++i)
        p.drawLine(QPointF(x + side * i * 6, top + 2), QPointF(x + side * i * 4, bottom - 4));
    p.setBrush(QColor(196, 70, 60));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(x + side * 12 - 5, top + 68, 10, 6), 2, 2);
}

void bookshelf(QPainter& p, const QRectF& r)
{
    const QColor wood(142, 96, 58);
    p.setPen(QPen(wood.darker(140), 1));
    p.setBrush(wood);
    p.drawRect(r);
    p.setBrush(wood.darker(125));
    const double shelf = (r.height() - 8) / 4;
    unsigned seed = 7;
    const QColor spines[] = {{176, 64, 60}, {62, 104, 160}, {220, 180, 80}, {90, 140, 90}, {230, 226, 210},
                             {120, 80, 140}};
    for (int row = 0; row < 4; ++row) {
        const QRectF inner(r.left() + 4, r.top() + 4 + row * shelf, r.width() - 8, shelf - 4);
        p.setPen(Qt::NoPen);
        p.setBrush(wood.darker(150));
        p.drawRect(inner);
        double x = inner.left() + 1;
        while (x < inner.right() - 4) {
            const double w = 3 + noise(int(x), row, seed) * 4;
            const double h = inner.height() * (0.65 + noise(row, int(x), seed) * 0.3);
            if (x + w > inner.right() - 1)
                break;
            const QColor c = spines[int(noise(int(x * 3), row * 5, seed + 1) * 6)];
            p.setBrush(c);
            p.setPen(QPen(c.darker(150), 0.6));
            p.drawRect(QRectF(x, inner.bottom() - h, w, h));
            x += w + 0.6;
        }
    }
}

void plant(QPainter& p, QPointF base)
{
    p.setPen(QPen(QColor(60, 110, 60), 1));
    const double leaves[][3] = {{-40, 34, 9}, {-15, 42, 8}, {10, 40, 9}, {35, 32, 8}, {-65, 24, 7}, {60, 24, 7},
                                {-2, 48, 7}};
    for (const auto& l : leaves) {
        p.save();
        p.translate(base + QPointF(0, -14));
        p.rotate(l[0]);
        QPainterPath leaf(QPointF(0, 0));
        leaf.quadTo(QPointF(l[2], -l[1] * 0.5), QPointF(0, -l[1]));
        leaf.quadTo(QPointF(-l[2], -l[1] * 0.5), QPointF(0, 0));
        p.setBrush(QColor(84, 150, 78));
        p.drawPath(leaf);
        p.drawLine(QPointF(0, 0), QPointF(0, -l[1] * 0.9));
        p.restore();
    }
    QPainterPath pot;
    pot.moveTo(base + QPointF(-13, -16));
    pot.lineTo(base + QPointF(13, -16));
    pot.lineTo(base + QPointF(9, 0));
    pot.lineTo(base + QPointF(-9, 0));
    pot.closeSubpath();
    p.setBrush(QColor(196, 110, 72));
    p.setPen(QPen(QColor(140, 70, 44), 1));
    p.drawPath(pot);
}

void lamp(QPainter& p, QPointF base)
{
    QRadialGradient glow(base + QPointF(0, -118), 60);
    glow.setColorAt(0, QColor(255, 236, 170, 150));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(base + QPointF(0, -118), 60, 60);
    p.setPen(QPen(QColor(90, 70, 50), 2));
    p.drawLine(base, base + QPointF(0, -112));
    p.setBrush(QColor(90, 70, 50));
    p.drawEllipse(base, 9, 2.5);
    QPainterPath shade;
    shade.moveTo(base + QPointF(-9, -134));
    shade.lineTo(base + QPointF(9, -134));
    shade.lineTo(base + QPointF(16, -110));
    shade.lineTo(base + QPointF(-16, -110));
    shade.closeSubpath();
    p.setBrush(QColor(252, 226, 160));
    p.setPen(QPen(QColor(196, 150, 90), 1));
    p.drawPath(shade);
}

void wallClock(QPainter& p, QPointF c)
{
    p.setBrush(QColor(250, 246, 234));
    p.setPen(QPen(QColor(120, 80, 50), 3));
    p.drawEllipse(c, 15, 15);
    p.setPen(QPen(QColor(90, 70, 60), 1));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::sin(a) * 11, -std::cos(a) * 11), c + QPointF(std::sin(a) * 13, -std::cos(a) * 13));
    }
    p.setPen(QPen(QColor(60, 50, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(-5, -6));
    p.setPen(QPen(QColor(60, 50, 40), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(9, 2));
}

void framedPicture(QPainter& p, const QRectF& r)
{
    p.fillRect(r.adjusted(-4, -4, 4, 4), QColor(176, 130, 70));
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(250, 210, 150));
    sky.setColorAt(1, QColor(250, 236, 200));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 140, 180));
    QPainterPath hill(QPointF(r.left(), r.bottom()));
    hill.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.35);
    hill.lineTo(r.left() + r.width() * 0.7, r.top() + r.height() * 0.6);
    hill.lineTo(r.right(), r.top() + r.height() * 0.45);
    hill.lineTo(r.bottomRight());
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(240, 110, 70));
    p.drawEllipse(QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.3), 4, 4);
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-4, -4, 4, 4));
}

} // namespace

QImage openingBackground()
{
    const QSize size(385, 330);
    QImage image = paintSupersampled(size, 2, QColor(245, 232, 208), [](QPainter& p) {
        // The wall with striped paper, darker up towards the ceiling.
        QLinearGradient wall(QPointF(0, 0), QPointF(0, 200));
        wall.setColorAt(0, QColor(228, 208, 176));
        wall.setColorAt(1, QColor(248, 236, 212));
        p.fillRect(QRectF(0, 0, 385, 200), wall);
        for (int x = 6; x < 385; x += 16)
            p.fillRect(QRectF(x, 0, 5, 160), QColor(214, 180, 140, 40));
        p.fillRect(QRectF(0, 0, 385, 5), QColor(150, 104, 66));
        window(p, QRectF(132, 26, 120, 88));
        p.fillRect(QRectF(112, 18, 160, 3), QColor(110, 76, 50));
        curtain(p, 120, 19, 134, 1);
        curtain(p, 264, 19, 134, -1);
        framedPicture(p, QRectF(30, 30, 42, 30));
        wallClock(p, QPointF(318, 48));
        // Wainscot panels.
        p.fillRect(QRectF(0, 160, 385, 40), QColor(186, 134, 88));
        p.fillRect(QRectF(0, 158, 385, 4), QColor(150, 102, 62));
        p.setPen(QPen(QColor(160, 112, 72), 1));
        p.setBrush(QColor(196, 146, 100));
        for (int x = 12; x < 385; x += 48)
            p.drawRect(QRectF(x, 166, 38, 28));
        // The floor: planks running towards the window.
        QLinearGradient floor(QPointF(0, 200), QPointF(0, 330));
        floor.setColorAt(0, QColor(186, 136, 90));
        floor.setColorAt(1, QColor(222, 172, 118));
        p.fillRect(QRectF(0, 200, 385, 130), floor);
        p.fillRect(QRectF(0, 198, 385, 3), QColor(120, 80, 50));
        p.setPen(QPen(QColor(160, 112, 70), 1));
        const QPointF vanish(192, 70);
        for (int i = -12; i <= 12; ++i) {
            const double bottomX = 192 + i * 36;
            const double t = (200 - vanish.y()) / (330 - vanish.y());
            p.drawLine(QPointF(vanish.x() + (bottomX - vanish.x()) * t, 200), QPointF(bottomX, 330));
        }
        bookshelf(p, QRectF(8, 72, 58, 132));
        plant(p, QPointF(330, 214));
        lamp(p, QPointF(368, 222));
        // The rug the family stands on.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(168, 70, 58));
        p.drawEllipse(QPointF(192, 270), 178, 48);
        p.setBrush(QColor(204, 96, 72));
        p.drawEllipse(QPointF(192, 270), 168, 42);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(246, 214, 160), 2, Qt::DashLine));
        p.drawEllipse(QPointF(192, 270), 156, 36);
        p.setPen(QPen(QColor(246, 214, 160), 1.2));
        p.drawEllipse(QPointF(192, 270), 120, 24);
        // Warm evening light from the window.
        QRadialGradient light(QPointF(192, 90), 260);
        light.setColorAt(0, QColor(255, 240, 200, 70));
        light.setColorAt(1, QColor(80, 40, 10, 40));
        p.fillRect(QRectF(0, 0, 385, 330), light);
    });
    addGrain(image, 2, 11);
    return image;
}

} // namespace genpictures
