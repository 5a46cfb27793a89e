#include "Container.h"
#include "Control.h"
#include "Pump.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace form {

Container::Container(QWidget* parent) : Widget(parent) {}

Container::~Container()
{
    // Controls outlive no container: detach them so that they do not call back.
    for (Control* c : std::vector<Control*>(m_controls))
        c->setContainer(nullptr);
}

void Container::addControl(Control* control) { m_controls.push_back(control); }

void Container::removeControl(Control* control)
{
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), control), m_controls.end());
    if (m_pressed == control)
        m_pressed = nullptr;
}

void Container::raiseControl(Control* control)
{
    removeControl(control);
    m_controls.push_back(control);
}

void Container::lowerControl(Control* control)
{
    removeControl(control);
    m_controls.insert(m_controls.begin(), control);
}

Control* Container::controlAt(const QPoint& point) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        Control* c = *it;
        if (c->isVisible() && c->isEnabled() && c->rect().contains(point))
            return c;
    }
    return nullptr;
}

void Container::invalidate(const QRect& rect)
{
    if (!isVisible())
        return;
    // Many small updates between two paints (a whole board set up at once) are merged
    // into one, which is cheaper than a region of thousands of rectangles.
    if (++m_pendingUpdates > 32)
        update();
    else
        update(rect.adjusted(-1, -1, 1, 1));
}

void Container::paintBackground(QPainter& painter, const QRect& exposed)
{
    painter.fillRect(exposed, palette().window());
}

void Container::paintEvent(QPaintEvent* event)
{
    m_pendingUpdates = 0;
    QPainter painter(this);
    const QRect exposed = event->rect();
    paintBackground(painter, exposed);
    for (const Control* c : m_controls) {
        if (c->isVisible() && c->rect().intersects(exposed))
            c->paint(painter);
    }
}

void Container::mousePressEvent(QMouseEvent* event)
{
    QPoint at = event->position().toPoint();
    m_pressed = controlAt(at);
    m_pressedSelf = m_pressed == nullptr;
    if (m_pressed) {
        if (m_pressed->onMouseDown) {
            auto handler = m_pressed->onMouseDown;
            runHandler([&] { handler(event->button()); });
        }
    } else if (onMouseDown) {
        auto handler = onMouseDown;
        runHandler([&] { handler(event->button()); });
    }
}

void Container::mouseReleaseEvent(QMouseEvent* event)
{
    QPoint at = event->position().toPoint();
    Control* pressed = m_pressed;
    bool self = m_pressedSelf;
    m_pressed = nullptr;
    m_pressedSelf = false;
    if (event->button() != Qt::LeftButton)
        return;
    if (pressed) {
        if (controlAt(at) == pressed && pressed->onClick) {
            auto handler = pressed->onClick;
            runHandler(handler);
        }
    } else if (self && rect().contains(at) && onClick) {
        auto handler = onClick;
        runHandler(handler);
    }
}

} // namespace form
