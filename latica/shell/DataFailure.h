#pragma once
#include <QString>

struct Game;

// The box that DataFailure asks for: the fault on standard error and in a box, then the
// end of the program. Never returns.
[[noreturn]] void ShowDataFailure(Game& game, const QString& what);
