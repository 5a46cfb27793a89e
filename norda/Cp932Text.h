#pragma once
#include "Diagnostics.h"

#include <QString>

namespace norda {

// Reports a text that does not come back from CP932 as written: a character CP932 lacks,
// or one it stores as another (〜 U+301C comes back as ～ U+FF5E), so that the game
// would show something else. `what` names the text in the message.
void requireCp932(const QString& what, const QString& text, int line, Diagnostics& d);

// A Latin letter with marks that CP932 lacks as its base letter (é -> e, Ø -> O), so that
// an English clue keeps its words; every other character as it is. *changed tells whether
// anything was folded.
QString foldAccents(const QString& text, bool* changed);

} // namespace norda
