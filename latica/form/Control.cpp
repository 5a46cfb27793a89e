#include "Control.h"
#include "Container.h"

namespace form {

Control::Control(Container* container) { setContainer(container); }

Control::~Control()
{
    if (m_container)
        m_container->removeControl(this);
}

void Control::setContainer(Container* container)
{
    if (container == m_container)
        return;
    if (m_container) {
        repaint();
        m_container->removeControl(this);
    }
    m_container = container;
    if (m_container) {
        m_container->addControl(this);
        repaint();
    }
}

void Control::setRect(const QRect& rect)
{
    if (rect == m_rect)
        return;
    repaint();
    m_rect = rect;
    repaint();
}

void Control::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (m_container)
        m_container->invalidate(m_rect);
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    repaint();
}

void Control::bringToFront()
{
    if (m_container)
        m_container->raiseControl(this);
    repaint();
}

void Control::sendToBack()
{
    if (m_container)
        m_container->lowerControl(this);
    repaint();
}

void Control::repaint() const
{
    if (m_container && m_visible)
        m_container->invalidate(m_rect);
}

} // namespace form
