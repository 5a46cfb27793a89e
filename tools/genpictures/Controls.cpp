// The pictures that hold clickable places: the two dials, the two scroll bars and the
// keypad window's background.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Panels.h"

namespace genpictures {

namespace {

const QColor Ink(96, 70, 50), Muted(182, 162, 138), Glow(240, 160, 76);
const QColor WoodLight(200, 160, 114), Wood(158, 116, 76), WoodDark(104, 72, 46);

// A filled triangle pointing in `angle` degrees (0 right, 90 down), centred on `at`;
// `spread` is its half width against its size.
void arrow(QPainter& p, QPointF at, double angle, double size, const QColor& fill, double spread = 0.62)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath tri(QPointF(size * 0.6, 0));
    tri.lineTo(-size * 0.45, -size * spread);
    tri.lineTo(-size * 0.45, size * spread);
    tri.closeSubpath();
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(150), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tri);
    p.restore();
}

void raisedButton(QPainter& p, const QRectF& r, double radius)
{
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(255, 247, 228));
    face.setColorAt(1, QColor(228, 202, 162));
    p.setBrush(face);
    p.setPen(QPen(WoodDark, 1));
    p.drawRoundedRect(r, radius, radius);
}

} // namespace

const QVector<QRect>& dialButtons()
{
    static const QVector<QRect> buttons = {QRect(46, 4, 40, 34), QRect(46, 86, 40, 34), QRect(4, 42, 40, 40),
                                           QRect(88, 42, 40, 40), QRect(48, 44, 36, 36)};
    return buttons;
}

const QVector<QPair<int, int>>& scrollButtons(bool horizontal)
{
    static const QVector<QPair<int, int>> across = {{0, 40}, {44, 84}, {301, 341}, {345, 385}};
    static const QVector<QPair<int, int>> down = {{0, 40}, {44, 84}, {246, 286}, {290, 330}};
    return horizontal ? across : down;
}

QImage dialPicture(bool acrossHighlighted)
{
    return paintSupersampled(QSize(132, 124), 3, paperColor(), [acrossHighlighted](QPainter& p) {
        const QPointF centre(66, 62);
        QLinearGradient ring(QPointF(0, 2), QPointF(0, 122));
        ring.setColorAt(0, WoodLight);
        ring.setColorAt(1, Wood);
        p.setBrush(ring);
        p.setPen(QPen(WoodDark, 1.2));
        p.drawEllipse(centre, 60, 60);
        QLinearGradient face(QPointF(0, 8), QPointF(0, 116));
        face.setColorAt(0, QColor(255, 251, 240));
        face.setColorAt(1, QColor(236, 220, 192));
        p.setBrush(face);
        p.setPen(QPen(WoodDark, 0.8));
        p.drawEllipse(centre, 53, 53);
        p.setPen(QPen(QColor(206, 182, 150), 1));
        for (int k = 0; k < 4; ++k) {
            const double a = (45 + 90 * k) * M_PI / 180;
            p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * 22, centre + QPointF(std::cos(a), std::sin(a)) * 52);
        }
        // The four arrows; the pair along the current word stands out on a warm pad.
        const QRect* buttons = dialButtons().constData();
        const double angles[4] = {-90, 90, 180, 0};
        for (int i = 0; i < 4; ++i) {
            const bool lit = (i >= 2) == acrossHighlighted;
            const QRectF r = QRectF(buttons[i]).adjusted(5, 5, -5, -5);
            if (lit) {
                QLinearGradient pad(r.topLeft(), r.bottomLeft());
                pad.setColorAt(0, QColor(252, 206, 140));
                pad.setColorAt(1, Glow);
                p.setBrush(pad);
                p.setPen(QPen(QColor(196, 112, 48), 1));
                p.drawEllipse(r.center(), std::min(r.width(), r.height()) / 2, std::min(r.width(), r.height()) / 2);
            }
            arrow(p, r.center(), angles[i], lit ? 15 : 12, lit ? QColor(120, 62, 30) : Muted);
        }
        // The turn button in the middle with a circling arrow.
        QLinearGradient knob(QPointF(0, 46), QPointF(0, 78));
        knob.setColorAt(0, QColor(255, 252, 244));
        knob.setColorAt(1, QColor(226, 206, 172));
        p.setBrush(knob);
        p.setPen(QPen(WoodDark, 1));
        p.drawEllipse(centre, 16, 16);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), 120 * 16, 270 * 16);
        // The arc runs counter-clockwise from 120 to 390 degrees; the head points along it.
        const double end = (120 + 270 - 12) * M_PI / 180;
        arrow(p, centre + QPointF(std::cos(end) * 8, -std::sin(end) * 8), -(120 + 270 + 90 - 12), 8, Ink, 0.55);
    });
}

QImage scrollBar(bool horizontal)
{
    const int length = horizontal ? 385 : 330;
    const QSize size = horizontal ? QSize(length, 22) : QSize(22, length);
    return paintSupersampled(size, 3, baseColor(), [&](QPainter& p) {
        if (!horizontal) {   // paint along x, then turn: the start lies at the top
            p.translate(22, 0);
            p.rotate(90);
        }
        const auto& buttons = scrollButtons(horizontal);
        // The track between the inner buttons.
        const QRectF track(buttons[1].second + 2, 6, buttons[2].first - buttons[1].second - 4, 10);
        p.setBrush(QColor(218, 200, 170));
        p.setPen(QPen(QColor(170, 140, 104), 1));
        p.drawRoundedRect(track, 5, 5);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawLine(QPointF(track.left() + 4, track.bottom() - 1.5), QPointF(track.right() - 4, track.bottom() - 1.5));
        for (int i = 0; i < 4; ++i) {
            const QRectF r(buttons[i].first + 0.6, 0.6, buttons[i].second - buttons[i].first - 1.2, 20.8);
            raisedButton(p, r, 6);
            const double direction = i < 2 ? 180 : 0;
            const double c = r.center().x();
            if (i == 0 || i == 3) {   // to the far end: a double arrow with a stop bar
                const double s = i == 0 ? -1 : 1;
                arrow(p, QPointF(c - s * 4, 11), direction, 9, Ink);
                arrow(p, QPointF(c + s * 3, 11), direction, 9, Ink);
                p.fillRect(QRectF(c + s * 8 - 1, 5, 2, 12), Ink);
            } else {
                arrow(p, QPointF(c, 11), direction, 11, Ink);
            }
        }
    });
}

QImage keypadBackground()
{
    QImage image = paintSupersampled(QSize(252, 65), 3, paperColor(), [](QPainter& p) {
        QLinearGradient paper(QPointF(0, 0), QPointF(0, 65));
        paper.setColorAt(0, QColor(254, 250, 240));
        paper.setColorAt(1, QColor(240, 228, 204));
        p.fillRect(QRectF(0, 0, 252, 65), paper);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Wood, 3));
        p.drawRect(QRectF(1.5, 1.5, 249, 62));
        p.setPen(QPen(WoodDark, 1));
        p.drawRect(QRectF(0.5, 0.5, 251, 64));
        // A grip of dots on the left: the window is dragged by pressing anywhere.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(186, 156, 120));
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 2; ++col)
                p.drawEllipse(QPointF(10 + col * 5, 12 + row * 6), 1.2, 1.2);
        // Ten cells for the typed letters above ten for the kana they make.
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 10; ++i) {
                const QRectF cell(25.5 + 20 * i, row ? 43 : 17, 19, 19);
                p.setBrush(row ? QColor(255, 255, 255) : QColor(250, 244, 230));
                p.setPen(QPen(QColor(196, 170, 134), 0.8));
                p.drawRoundedRect(cell, 3, 3);
            }
        p.setPen(QPen(QColor(206, 180, 140), 1));
        p.drawLine(QPointF(26, 39.5), QPointF(225, 39.5));
    });
    return image;
}

} // namespace genpictures
