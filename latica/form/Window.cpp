#include "Window.h"

#include "KeyCodes.h"
#include "Pump.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <QScreen>

namespace form {

Window::Window() : PictureBox(nullptr)
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    setFocusPolicy(Qt::StrongFocus);
    qApp->installEventFilter(this);
}

Window::~Window()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void Window::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void Window::centreOnScreen()
{
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->geometry();
    const QSize frame = frameGeometry().size();
    move(area.x() + (area.width() - frame.width()) / 2,
         area.y() + (area.height() - frame.height()) / 2);
}

void Window::trackPointer(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_pointer = static_cast<const QMouseEvent*>(event)->position().toPoint();
        break;
    case QEvent::Enter:
        m_pointer = static_cast<const QEnterEvent*>(event)->position().toPoint();
        break;
    case QEvent::Leave:
        m_pointer = QPoint(-1, -1);
        break;
    default:
        break;
    }
}

bool Window::eventFilter(QObject* watched, QEvent* event)
{
    // The window system hands every pointer event to the window first, whatever
    // control lies under it.
    if (watched == windowHandle())
        trackPointer(event);
    if (event->type() != QEvent::KeyPress || !(onKeyDown || takeKey))
        return false;
    // The filter sees a key once for each receiver it travels to; take it where it
    // starts: the focused control, or this window when nothing has the focus.
    QWidget* focus = QApplication::focusWidget();
    const bool start = focus ? watched == focus : watched == this;
    if (!start || (watched != this && !isAncestorOf(focus)))
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int code = virtualKey(keyEvent);
    if (code == 0)
        return false;
    const int shift = shiftState(keyEvent->modifiers());
    if (takeKey) {
        bool taken = false;
        const auto handler = takeKey;
        runHandler([&] { taken = handler(code, shift); });
        if (taken)
            return true;
    }
    if (onKeyDown && (m_keyPreview || watched == this))
        runHandler([&] { onKeyDown(code, shift); });
    return false;
}

void Window::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onUnload)
        runHandler(onUnload);
}

} // namespace form
