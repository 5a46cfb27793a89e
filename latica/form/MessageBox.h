#pragma once
#include <QString>
#include <functional>

class QMessageBox;

namespace form {

// A modal message box. Buttons and icons are those the game uses; the result is the
// code of the pressed button. A Yes/No box dismissed by Escape or its close box returns
// Cancel, so that only a pressed No counts as No.
enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class DefaultButton { First, Second };
namespace Answer {
constexpr int Ok = 1, Cancel = 2, Yes = 6, No = 7;
}

int messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
               DefaultButton defaultButton = DefaultButton::First);

// Test hook: called with each box just before it runs modally (a test closes it).
void setMessageBoxObserver(std::function<void(QMessageBox&)> observer);

} // namespace form
