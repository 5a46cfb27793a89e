#pragma once
#include "Widget.h"

#include <vector>

namespace form {

class Control;

// A windowed control that holds windowless controls: it paints them in z-order over its
// own background (and under its windowed children), and routes clicks to the topmost one.
class Container : public Widget {
public:
    explicit Container(QWidget* parent = nullptr);
    ~Container() override;

    void addControl(Control* control);
    void removeControl(Control* control);
    void raiseControl(Control* control);
    void lowerControl(Control* control);
    const std::vector<Control*>& controls() const { return m_controls; }
    // The topmost visible, enabled control at a point of the client area.
    Control* controlAt(const QPoint& point) const;

    // Marks part of the client area for repainting.
    void invalidate(const QRect& rect);

protected:
    virtual void paintBackground(QPainter& painter, const QRect& exposed);
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<Control*> m_controls; // back to front
    Control* m_pressed = nullptr;
    bool m_pressedSelf = false;
    int m_pendingUpdates = 0;
};

} // namespace form
