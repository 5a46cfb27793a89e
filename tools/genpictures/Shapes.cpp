#include "Shapes.h"

#include <QRectF>

namespace genpictures {

QPainterPath capAbove(QPointF centre, double rx, double ry, double lineY)
{
    QPainterPath ellipse;
    ellipse.addEllipse(centre, rx, ry);
    QPainterPath above;
    above.addRect(QRectF(centre.x() - rx - 1, centre.y() - ry - 1, 2 * rx + 2, lineY - centre.y() + ry + 1));
    return ellipse.intersected(above);
}

QPainterPath softPolygon(const QVector<QPointF>& points)
{
    QPainterPath path;
    const int n = int(points.size());
    auto mid = [&](int i) { return (points[i % n] + points[(i + 1) % n]) / 2; };
    path.moveTo(mid(n - 1));
    for (int i = 0; i < n; ++i)
        path.quadTo(points[i], mid(i));
    path.closeSubpath();
    return path;
}

QPainterPath polygon(const QVector<QPointF>& points)
{
    QPainterPath path(points.first());
    for (const QPointF& pt : points)
        path.lineTo(pt);
    path.closeSubpath();
    return path;
}

} // namespace genpictures
