#pragma once
#include <Qt>

class QKeyEvent;

namespace form {

// The key codes the game works with (A-Z 65-90, Space 32, arrows 37-40, Delete 46,
// Esc 27, F1 112, F4 115, the main keyboard's minus 189, digits 48-57 and those of the
// numeric keypad 96-105); 0 for any other key.
namespace Key {
constexpr int Space = 32, Escape = 27, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46,
              F1 = 112, F4 = 115, Minus = 189, Return = 13, Digit0 = 48, Keypad0 = 96;
}
// Shift-state bits.
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;

int virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
int virtualKey(const QKeyEvent* event);
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace form
