#include "Figure.h"

#include <QPainter>
#include <QPainterPath>

namespace genpictures {

QColor inkColor()
{
    return QColor(62, 40, 36);
}

void fillInked(QPainter& p, const QPainterPath& path, const QColor& fill, double ink)
{
    p.setBrush(fill);
    p.setPen(ink > 0 ? QPen(inkColor(), ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void strokeInked(QPainter& p, const QPainterPath& path, const QColor& color, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(inkColor(), width + 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawFigure(QPainter& p, const Look& look, const Pose& pose)
{
    // A downcast member hangs the head a little; the nod of the idle loop adds to it.
    const double drop = pose.mood == 1 ? 1.5 : pose.mood == 2 ? 0.5 : 0;
    const QPointF face(CentreX, look.faceY + drop + pose.nod);
    const QPointF chin(face.x(), face.y() + look.faceRy);
    auto headSpace = [&] {
        p.save();
        p.translate(chin);
        p.scale(look.headScale, look.headScale);
        p.translate(-chin);
    };
    headSpace();
    drawBackHair(p, look, face);
    p.restore();
    drawBody(p, look, pose);
    drawArms(p, look, pose);
    headSpace();
    drawHead(p, look, pose, face);
    p.restore();
}

} // namespace genpictures
