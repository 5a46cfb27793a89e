#pragma once
// Path shapes shared by the parts of a figure.
#include <QPainterPath>
#include <QPointF>
#include <QVector>

namespace genpictures {

// The part of an ellipse above a horizontal line.
QPainterPath capAbove(QPointF centre, double rx, double ry, double lineY);
// A closed outline through points with rounded corners (hair locks and fringes).
QPainterPath softPolygon(const QVector<QPointF>& points);
// A closed outline through points with sharp corners (spiky hair).
QPainterPath polygon(const QVector<QPointF>& points);

} // namespace genpictures
