#pragma once

namespace form {

// The game speaks only Japanese: the toolkit's own dialogs (the open dialog, the buttons
// of message boxes) take their Japanese texts whatever the desktop's language. False when
// the translations are not installed (the dialogs then speak English).
bool useJapaneseToolkitTexts();

} // namespace form
