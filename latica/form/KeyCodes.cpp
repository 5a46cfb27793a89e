#include "KeyCodes.h"

#include <QKeyEvent>

namespace form {

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return ((modifiers & Qt::KeypadModifier) ? Key::Keypad0 : Key::Digit0) + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_F1: return Key::F1;
    case Qt::Key_F4: return Key::F4;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Return;
    // The numeric keypad's minus is another key than the main keyboard's.
    case Qt::Key_Minus: return (modifiers & Qt::KeypadModifier) ? 109 : Key::Minus;
    default: return 0;
    }
}

int virtualKey(const QKeyEvent* event) { return virtualKey(event->key(), event->modifiers()); }

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        s |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        s |= AltMask;
    return s;
}

} // namespace form
