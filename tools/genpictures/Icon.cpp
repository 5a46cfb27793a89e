#include "Icon.h"

#include <QDir>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <iostream>

#include "Canvas.h"
#include "Panels.h"

namespace genpictures {

namespace {

const QColor WoodLight(200, 160, 114), Wood(158, 116, 76), WoodDark(104, 72, 46);
const QColor BlackSquare(70, 52, 40), WordMark(255, 236, 160), Cursor(226, 110, 40);

// The board inside the paper: a few cells across, black squares placed symmetrically, the
// current word marked and its first cell framed as the cursor. Small icons get fewer,
// larger cells so that the grid still reads. `pixel` is one pixel of the icon on the plan.
void board(QPainter& p, const QRectF& area, bool small, double pixel)
{
    const int cells = small ? 3 : 4;
    const QVector<QPoint> black = small ? QVector<QPoint>{{2, 0}, {0, 2}}
                                        : QVector<QPoint>{{3, 0}, {2, 1}, {1, 2}, {0, 3}};
    const double cell = area.width() / cells;
    auto cellRect = [&](int column, int row) {
        return QRectF(area.left() + column * cell, area.top() + row * cell, cell, cell);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawRect(area);
    // The current word: the top row up to its black square.
    p.setBrush(WordMark);
    p.drawRect(QRectF(area.topLeft(), QSizeF(cell * (cells - 1), cell)));
    p.setBrush(BlackSquare);
    for (const QPoint& square : black)
        p.drawRect(cellRect(square.x(), square.y()));
    p.setPen(QPen(WoodDark, std::max(1.0, 0.8 * pixel)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= cells; ++i) {
        p.drawLine(QPointF(area.left() + i * cell, area.top()), QPointF(area.left() + i * cell, area.bottom()));
        p.drawLine(QPointF(area.left(), area.top() + i * cell), QPointF(area.right(), area.top() + i * cell));
    }
    const double cursorWidth = std::max(2.4, 1.2 * pixel);
    p.setPen(QPen(Cursor, cursorWidth));
    p.drawRect(cellRect(0, 0).adjusted(cursorWidth / 2, cursorWidth / 2, -cursorWidth / 2, -cursorWidth / 2));
}

// A pencil lying across the lower right corner, writing in the cell its point rests on.
void pencil(QPainter& p)
{
    p.save();
    p.translate(37, 37);
    p.rotate(45);
    // Drawn along +x from the point (at 0) to the eraser.
    QPainterPath tip;
    tip.moveTo(0, 0);
    tip.lineTo(7, -3);
    tip.lineTo(7, 3);
    tip.closeSubpath();
    p.setPen(QPen(WoodDark, 0.6));
    p.setBrush(QColor(240, 204, 150));
    p.drawPath(tip);
    p.setBrush(QColor(60, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(2.4, -1), QPointF(2.4, 1)}));
    QLinearGradient body(QPointF(0, -3), QPointF(0, 3));
    body.setColorAt(0, QColor(255, 214, 80));
    body.setColorAt(1, QColor(220, 160, 30));
    p.setBrush(body);
    p.setPen(QPen(WoodDark, 0.6));
    p.drawRect(QRectF(7, -3, 17, 6));
    p.setBrush(QColor(190, 190, 196));
    p.drawRect(QRectF(24, -3, 2.5, 6));
    p.setBrush(QColor(236, 140, 150));
    p.drawRoundedRect(QRectF(26.5, -3, 4, 6), 1.5, 1.5);
    p.restore();
}

void paintIcon(QPainter& p, int size)
{
    // Drawn on a 64 x 64 plan, whatever the size.
    p.scale(size / 64.0, size / 64.0);
    const bool small = size < 32;
    const double pixel = 64.0 / size;
    const QRectF tile(2, 2, 60, 60);
    QLinearGradient wood(tile.topLeft(), tile.bottomLeft());
    wood.setColorAt(0, WoodLight);
    wood.setColorAt(1, Wood);
    p.setBrush(wood);
    p.setPen(QPen(WoodDark, std::max(1.2, pixel)));
    p.drawRoundedRect(tile, 12, 12);
    const QRectF paper = tile.adjusted(5, 5, -5, -5);
    p.setPen(QPen(WoodDark.darker(110), std::max(0.8, 0.6 * pixel)));
    p.setBrush(paperColor());
    p.drawRoundedRect(paper, 7, 7);
    board(p, paper.adjusted(5, 5, -5, -5), small, pixel);
    if (size >= 48)
        pencil(p);
}

} // namespace

const QVector<int>& iconSizes()
{
    static const QVector<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage gameIcon(int size)
{
    const QImage image = paintSupersampled(QSize(size, size), 4, Qt::transparent,
                                           [size](QPainter& p) { paintIcon(p, size); });
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool writeIconTheme(const QString& theme, const QString& name)
{
    bool ok = true;
    for (int size : iconSizes()) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder)) {
            std::cerr << "genpictures: cannot create " << folder.toStdString() << "\n";
            ok = false;
            continue;
        }
        QImageWriter writer(path, "png");
        if (!writer.write(gameIcon(size))) {
            std::cerr << "genpictures: cannot write " << path.toStdString() << ": "
                      << writer.errorString().toStdString() << "\n";
            ok = false;
        }
    }
    return ok;
}

} // namespace genpictures
