#pragma once
#include <QRect>
#include <functional>

class QPainter;

namespace form {

class Container;

// A windowless control (label, shape): its container paints it and routes its clicks.
// Positions are pixels inside the container's client area.
class Control {
public:
    explicit Control(Container* container);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Container* container() const { return m_container; }
    void setContainer(Container* container);

    int left() const { return m_rect.x(); }
    int top() const { return m_rect.y(); }
    int width() const { return m_rect.width(); }
    int height() const { return m_rect.height(); }
    QRect rect() const { return m_rect; }
    void setLeft(int x) { setRect(QRect(x, top(), width(), height())); }
    void setTop(int y) { setRect(QRect(left(), y, width(), height())); }
    void setWidth(int w) { setRect(QRect(left(), top(), w, height())); }
    void setHeight(int h) { setRect(QRect(left(), top(), width(), h)); }
    void move(int x, int y) { setRect(QRect(x, y, width(), height())); }
    void setGeometry(int x, int y, int w, int h) { setRect(QRect(x, y, w, h)); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    void bringToFront();
    void sendToBack();

    // Events: a click (press and release on the control) and a press.
    std::function<void()> onClick;
    std::function<void(Qt::MouseButton)> onMouseDown;

    virtual void paint(QPainter& painter) const = 0;

protected:
    void setRect(const QRect& rect);
    void repaint() const;

private:
    Container* m_container = nullptr;
    QRect m_rect;
    bool m_visible = true;
    bool m_enabled = true;
};

} // namespace form
