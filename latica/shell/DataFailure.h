#pragma once
#include <QString>

struct Game;

// Data the game cannot run without is missing or damaged (a table, a picture, the talk
// files): the player is told what, naming the file and the fault, in a box (and on
// standard error), then the program ends. Never returns.
[[noreturn]] void DataFailure(Game& game, const QString& what);
