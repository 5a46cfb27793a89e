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
    if (m_borderVisible) {
        painter.setPen(toQColor(m_borderColor));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

} // namespace form
