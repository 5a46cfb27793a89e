#include "Shape.h"

#include <QPainter>

namespace form {

Shape::Shape(Container* container) : Control(container) {}

void Shape::setBorderColor(Colour colour)
{
    m_borderColor = colour;
    repaint();
}

void Shape::setBorderVisible(bool visible)
{
    m_borderVisible = visible;
    repaint();
}

void Shape::setFillColor(Colour colour)
{
    m_fillColor = colour;
    repaint();
}

void Shape::setFilled(bool filled)
{
    m_filled = filled;
    repaint();
}

Shape* Shape::clone() const
{
    auto* copy = new Shape(container());
    copy->setVisible(false);
    copy->m_borderColor = m_borderColor;
    copy->m_borderVisible = m_borderVisible;
    copy->m_fillColor = m_fillColor;
    copy->m_filled = m_filled;
    copy->setGeometry(left(), top(), width(), height());
    return copy;
}

void Shape::paint(QPainter& painter) const
{
    const QRect r = rect();
    if (r.isEmpty())
        return;
    if (m_filled)
        painter.fillRect(r, toQColor(m_fillColor));
    if (m_borderVisible)
        drawOutline(painter, r, toQColor(m_borderColor));
}

void drawOutline(QPainter& painter, const QRect& r, const QColor& colour)
{
    // Edges filled as pixel rows and columns: a one-pixel pen would be drawn centred on the
    // edge, so that at a display scale above 1 half of it falls outside the rectangle and
    // half of the edge beyond a clip shows inside it as a seam.
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

} // namespace form
