#pragma once
#include "PictureBox.h"
#include <functional>

namespace form {

// A top-level window with a fixed client size. Its own picture and drawing surface are
// those of a picture box. With key preview on, it sees every key before the focused
// control does.
class Window : public PictureBox {
public:
    Window();
    ~Window() override;

    // Fixes the client area at the given size.
    void setClientSize(int width, int height);
    // Places the window in the middle of the screen it is on.
    void centreOnScreen();

    // Where the pointer was last seen over the window, in client coordinates, from the
    // window's own mouse events (asking the display server would cost a round trip);
    // outside the client area while the pointer is elsewhere.
    QPoint pointerPosition() const { return m_pointer; }

    bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }

    // Key down with the key code of KeyCodes.h and the shift state (1 Shift, 2 Ctrl, 4 Alt).
    std::function<void(int keyCode, int shift)> onKeyDown;
    // Offered every key meant for this window first, whatever the key preview: returning
    // true takes the key, which then reaches neither the focused control nor onKeyDown.
    std::function<bool(int keyCode, int shift)> takeKey;
    // The window is being closed by any means.
    std::function<void()> onUnload;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void trackPointer(const QEvent* event);

    bool m_keyPreview = false;
    QPoint m_pointer{-1, -1};
};

} // namespace form
