// The garden behind the adviser: the world picture, the tree-and-flowers sprite, the cloud.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Canvas.h"
#include "Figure.h"
#include "Scenery.h"

namespace genpictures {

void skyGradient(QPainter& p, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, Sky);
    sky.setColorAt(1, Haze);
    p.fillRect(area, sky);
}

QImage playWorld()
{
    QImage image = paintSupersampled(QSize(160, 123), 3, Sky, [](QPainter& p) {
        skyGradient(p, QRectF(0, 0, 160, 66));
        QRadialGradient sun(QPointF(150, 8), 40);
        sun.setColorAt(0, QColor(255, 250, 220, 220));
        sun.setColorAt(1, QColor(255, 250, 220, 0));
        p.fillRect(QRectF(0, 0, 160, 66), sun);
        p.setPen(Qt::NoPen);
        // Far mountains, near hills, then the meadow.
        QPainterPath far(QPointF(0, 66));
        far.lineTo(0, 52);
        far.quadTo(QPointF(30, 36), QPointF(58, 50));
        far.quadTo(QPointF(92, 30), QPointF(124, 48));
        far.quadTo(QPointF(146, 40), QPointF(160, 46));
        far.lineTo(160, 66);
        p.setBrush(QColor(160, 184, 214));
        p.drawPath(far);
        QPainterPath hills(QPointF(0, 80));
        hills.lineTo(0, 62);
        hills.quadTo(QPointF(50, 50), QPointF(96, 62));
        hills.quadTo(QPointF(130, 54), QPointF(160, 60));
        hills.lineTo(160, 80);
        p.setBrush(QColor(136, 184, 112));
        p.drawPath(hills);
        // A little house on the hill.
        p.setBrush(QColor(250, 244, 230));
        p.drawRect(QRectF(112, 52, 12, 8));
        p.setBrush(QColor(206, 84, 64));
        QPainterPath roof(QPointF(110, 53));
        roof.lineTo(118, 46);
        roof.lineTo(126, 53);
        roof.closeSubpath();
        p.drawPath(roof);
        QLinearGradient meadow(QPointF(0, 66), QPointF(0, 123));
        meadow.setColorAt(0, QColor(156, 206, 108));
        meadow.setColorAt(1, QColor(112, 172, 78));
        QPainterPath field(QPointF(0, 123));
        field.lineTo(0, 72);
        field.quadTo(QPointF(80, 62), QPointF(160, 70));
        field.lineTo(160, 123);
        p.setBrush(meadow);
        p.drawPath(field);
        // The path the adviser walks along.
        QPainterPath path(QPointF(30, 123));
        path.cubicTo(QPointF(60, 104), QPointF(118, 96), QPointF(100, 70));
        path.lineTo(106, 70);
        path.cubicTo(QPointF(132, 96), QPointF(110, 110), QPointF(126, 123));
        path.closeSubpath();
        p.setBrush(QColor(232, 214, 166));
        p.drawPath(path);
        for (int i = 0; i < 40; ++i) {
            const double x = noise(i, 1, 5) * 160, y = 76 + noise(i, 2, 5) * 46;
            const QColor petal = i % 3 == 0 ? QColor(255, 250, 250) : i % 3 == 1 ? QColor(250, 220, 90)
                                                                                  : QColor(240, 140, 170);
            p.setBrush(petal);
            p.drawEllipse(QPointF(x, y), 0.9, 0.9);
        }
    });
    addGrain(image, 2, 13);
    return image;
}

namespace {

// One frame of the tree and flowers; `phase` 0..3 sways the leaves and the flower heads.
void drawBackSprite(QPainter& p, int phase)
{
    const double sway = std::sin(phase * M_PI / 2), swayLate = std::sin((phase - 1) * M_PI / 2);
    QPainterPath trunk(QPointF(6, 104));
    trunk.lineTo(9, 40);
    trunk.lineTo(16, 40);
    trunk.lineTo(19, 104);
    trunk.quadTo(QPointF(12.5, 106), QPointF(6, 104));
    fillInked(p, trunk, QColor(132, 92, 60));
    p.setPen(QPen(QColor(104, 70, 44), 0.8));
    p.drawLine(QPointF(12, 96), QPointF(12.5, 60));
    QPainterPath branch(QPointF(15, 56));
    branch.quadTo(QPointF(26, 48), QPointF(34, 36));
    strokeInked(p, branch, QColor(132, 92, 60), 3);
    const double blobs[][3] = {{6, 12, 15}, {24, 8, 14}, {40, 20, 12}, {14, 30, 14}, {30, 34, 11}, {2, 34, 10}};
    QPainterPath crown;
    for (int i = 0; i < 6; ++i) {
        const double dx = (i % 2 ? sway : swayLate) * 1.2;
        crown.addEllipse(QPointF(blobs[i][0] + dx, blobs[i][1]), blobs[i][2], blobs[i][2] * 0.85);
    }
    crown.setFillRule(Qt::WindingFill);
    crown = crown.simplified();
    fillInked(p, crown, QColor(86, 154, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(122, 186, 100));
    for (int i = 0; i < 6; ++i) {
        const double dx = (i % 2 ? sway : swayLate) * 1.2;
        p.drawEllipse(QPointF(blobs[i][0] + dx - 3, blobs[i][1] - 3), blobs[i][2] * 0.45, blobs[i][2] * 0.35);
    }
    // Flower clumps in the grass at both front corners.
    const double flowers[][2] = {{8, 112}, {18, 116}, {28, 110}, {134, 114}, {144, 109}, {152, 117}, {124, 118}};
    const QColor heads[] = {{246, 120, 150}, {250, 214, 80}, {255, 250, 250}};
    for (int i = 0; i < 7; ++i) {
        const QPointF root(flowers[i][0], 124);
        const QPointF head(flowers[i][0] + (i % 2 ? sway : swayLate) * 1.5, flowers[i][1]);
        QPainterPath stem(root);
        stem.quadTo(QPointF(flowers[i][0], (root.y() + head.y()) / 2), head);
        strokeInked(p, stem, QColor(80, 150, 70), 1.2);
        QPainterPath leaf(root + QPointF(0, -4));
        leaf.quadTo(root + QPointF(i % 2 ? 5 : -5, -9), root + QPointF(i % 2 ? 6 : -6, -3));
        strokeInked(p, leaf, QColor(96, 170, 80), 1.6);
        QPainterPath bloom;
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5 + i;
            bloom.addEllipse(head + QPointF(std::cos(a) * 2.2, std::sin(a) * 2.2), 1.9, 1.9);
        }
        bloom.setFillRule(Qt::WindingFill);
        fillInked(p, bloom.simplified(), heads[i % 3], 0.6);
        p.setBrush(QColor(240, 170, 40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(head, 1.2, 1.2);
    }
}

} // namespace

QImage backSprite()
{
    QVector<QImage> frames;
    for (int phase = 0; phase < BackSpriteFrames; ++phase)
        frames << paintSupersampled(QSize(160, 128), 4, Qt::transparent,
                                    [phase](QPainter& p) { drawBackSprite(p, phase); });
    return castStrip(frames);
}

QImage cloudCast()
{
    const QImage frame = paintSupersampled(QSize(48, 32), 4, Qt::transparent, [](QPainter& p) {
        QPainterPath cloud;
        const double blobs[][3] = {{12, 19, 8}, {21, 13, 10}, {31, 14, 9}, {38, 20, 7}, {24, 21, 8}};
        for (const auto& b : blobs)
            cloud.addEllipse(QPointF(b[0], b[1]), b[2], b[2] * 0.85);
        cloud.setFillRule(Qt::WindingFill);
    cloud = cloud.simplified();
        QLinearGradient body(QPointF(0, 5), QPointF(0, 28));
        body.setColorAt(0, QColor(255, 255, 255));
        body.setColorAt(1, QColor(214, 224, 240));
        p.setBrush(body);
        p.setPen(QPen(QColor(176, 192, 216), 0.8));
        p.drawPath(cloud);
    });
    return castStrip({frame});
}

} // namespace genpictures
