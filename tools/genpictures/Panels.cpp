#include "Panels.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Canvas.h"

namespace genpictures {

QColor baseColor()
{
    return QColor(234, 222, 198);
}

QColor paperColor()
{
    return QColor(252, 247, 236);
}

namespace {

const QColor WoodLight(200, 160, 114), Wood(158, 116, 76), WoodDark(104, 72, 46);

// A rounded wooden frame with a paper inside, sunk a little into the frame.
void panel(QPainter& p, const QRectF& r, double border, double radius)
{
    QLinearGradient wood(r.topLeft(), r.bottomLeft());
    wood.setColorAt(0, WoodLight);
    wood.setColorAt(1, Wood);
    p.setBrush(wood);
    p.setPen(QPen(WoodDark, 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const QRectF inner = r.adjusted(border, border, -border, -border);
    const double innerRadius = std::max(1.0, radius - border * 0.6);
    p.setPen(QPen(WoodDark.darker(110), 1));
    p.setBrush(paperColor());
    p.drawRoundedRect(inner, innerRadius, innerRadius);
    // Inner shadow along the top and left edges of the paper.
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(inner, innerRadius, innerRadius);
    p.setClipPath(clip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 90, 60, 50), 2));
    p.drawRoundedRect(inner.translated(1, 1), innerRadius, innerRadius);
    p.restore();
}

QImage panelPicture(QSize size, double border, double radius)
{
    return paintSupersampled(size, 2, baseColor(), [&](QPainter& p) { panel(p, QRectF(QPointF(0, 0), size), border, radius); });
}

// A tiny crossword of 3 x 3 cells, an ornament for the title's ends.
void miniGrid(QPainter& p, QPointF topLeft, double cell)
{
    static const int black[9] = {0, 0, 1, 0, 1, 0, 1, 0, 0};
    for (int i = 0; i < 9; ++i) {
        const QRectF c(topLeft.x() + (i % 3) * cell, topLeft.y() + (i / 3) * cell, cell, cell);
        p.setBrush(black[i] ? QColor(96, 70, 50) : QColor(255, 255, 226));
        p.setPen(QPen(QColor(120, 90, 60), 0.8));
        p.drawRect(c);
    }
}

QImage titlePanel()
{
    return paintSupersampled(QSize(385, 70), 2, baseColor(), [](QPainter& p) {
        panel(p, QRectF(0, 0, 385, 70), 6, 12);
        miniGrid(p, QPointF(14, 24.5), 7);
        miniGrid(p, QPointF(350, 24.5), 7);
        p.setPen(QPen(QColor(200, 170, 130), 1));
        p.drawLine(QPointF(44, 60), QPointF(341, 60));
    });
}

// The frame round the adviser's window: the stage covers the middle 148 x 116.
QImage adviserFrame()
{
    return paintSupersampled(QSize(168, 136), 2, baseColor(), [](QPainter& p) {
        panel(p, QRectF(0, 0, 168, 136), 10, 10);
        p.setBrush(QColor(70, 56, 44));
        p.setPen(QPen(QColor(222, 188, 120), 1.2));
        p.drawRect(QRectF(9.4, 9.4, 149.2, 117.2));
        p.setBrush(QColor(222, 188, 120));
        p.setPen(Qt::NoPen);
        for (QPointF c : {QPointF(5, 5), QPointF(163, 5), QPointF(5, 131), QPointF(163, 131)})
            p.drawEllipse(c, 2, 2);
    });
}

QImage dialBase()
{
    return paintSupersampled(QSize(168, 140), 2, baseColor(), [](QPainter& p) {
        panel(p, QRectF(0, 0, 168, 140), 6, 12);
        p.setBrush(WoodDark);
        p.setPen(Qt::NoPen);
        for (QPointF c : {QPointF(12, 12), QPointF(156, 12), QPointF(12, 128), QPointF(156, 128)})
            p.drawEllipse(c, 1.6, 1.6);
    });
}

QImage keyButton()
{
    return paintSupersampled(QSize(105, 30), 2, baseColor(), [](QPainter& p) {
        QLinearGradient face(QPointF(0, 0), QPointF(0, 30));
        face.setColorAt(0, QColor(255, 246, 224));
        face.setColorAt(1, QColor(232, 206, 164));
        p.setBrush(face);
        p.setPen(QPen(WoodDark, 1.2));
        p.drawRoundedRect(QRectF(0.8, 0.8, 103.4, 28.4), 10, 10);
        p.setPen(QPen(QColor(255, 255, 255, 160), 1));
        p.drawLine(QPointF(10, 3.5), QPointF(95, 3.5));
    });
}

} // namespace

QImage mainBackground()
{
    QImage image = paintSupersampled(QSize(774, 592), 1, baseColor(), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient paper(QPointF(0, 0), QPointF(0, 592));
        paper.setColorAt(0, QColor(242, 232, 212));
        paper.setColorAt(1, QColor(226, 212, 186));
        p.fillRect(QRect(0, 0, 774, 592), paper);
        // A faint squared grid, like the paper of a crossword book.
        p.setPen(QPen(QColor(190, 160, 120, 28), 1));
        for (int x = 9; x < 774; x += 24)
            p.drawLine(x, 0, x, 592);
        for (int y = 8; y < 592; y += 24)
            p.drawLine(0, y, 774, y);
        // Wooden rails along the top and the bottom, and a soft vignette.
        QLinearGradient rail(QPointF(0, 0), QPointF(0, 8));
        rail.setColorAt(0, Wood);
        rail.setColorAt(1, WoodLight);
        p.fillRect(QRect(0, 0, 774, 8), rail);
        p.fillRect(QRect(0, 584, 774, 8), Wood);
        p.fillRect(QRect(0, 8, 774, 1), WoodDark);
        p.fillRect(QRect(0, 583, 774, 1), WoodDark);
        QRadialGradient vignette(QPointF(387, 296), 520);
        vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
        vignette.setColorAt(1, QColor(90, 60, 30, 45));
        p.fillRect(QRect(0, 0, 774, 592), vignette);
    });
    addGrain(image, 2, 3);
    return image;
}

QVector<NamedPicture> framePictures()
{
    return {
        {QStringLiteral("タイトル欄"), titlePanel()},
        {QStringLiteral("レベル欄"), panelPicture(QSize(105, 44), 5, 9)},
        {QStringLiteral("問題番号欄"), panelPicture(QSize(105, 70), 5, 9)},
        {QStringLiteral("タイマー欄"), panelPicture(QSize(105, 44), 5, 9)},
        {QStringLiteral("アドバイス枠"), adviserFrame()},
        {QStringLiteral("ダイヤル周り"), dialBase()},
        {QStringLiteral("出題文欄"), panelPicture(QSize(540, 118), 6, 12)},
        {QStringLiteral("キー表示用ボタン"), keyButton()},
        {QStringLiteral("ダイヤル左右"), dialPicture(true)},
        {QStringLiteral("ダイヤル上下"), dialPicture(false)},
        {QStringLiteral("スクロール上下"), scrollBar(false)},
        {QStringLiteral("スクロール左右"), scrollBar(true)},
        {QStringLiteral("キーパット"), keypadBackground()},
    };
}

} // namespace genpictures
