#include "Widget.h"
#include "Pump.h"

namespace form {

Widget::Widget(QWidget* parent) : QWidget(parent) {}

void Widget::setContainer(QWidget* container)
{
    bool visible = isVisible() || !isHidden();
    QPoint at = pos();
    setParent(container);
    move(at);
    setVisible(visible);
}

void Widget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (onGotFocus)
        runHandler(onGotFocus);
}

void Widget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (onLostFocus)
        runHandler(onLostFocus);
}

} // namespace form
