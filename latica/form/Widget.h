#pragma once
#include <QWidget>
#include <functional>

namespace form {

// A windowed control (picture box, text box, window). It gives the few properties the
// game relies on in the game's own terms: place and size inside the container, visibility,
// z-order, a change of container, and click events.
class Widget : public QWidget {
public:
    explicit Widget(QWidget* parent = nullptr);

    void setLeft(int x) { move(x, y()); }
    void setTop(int y) { move(x(), y); }
    void setWidth(int w) { resize(w, height()); }
    void setHeight(int h) { resize(width(), h); }
    int left() const { return x(); }
    int top() const { return y(); }

    void bringToFront() { raise(); }
    void sendToBack() { lower(); }
    void setContainer(QWidget* container);

    std::function<void()> onClick;
    std::function<void(Qt::MouseButton)> onMouseDown;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace form
