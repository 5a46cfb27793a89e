#pragma once
#include <QString>

struct Game;

// Puts puzzle n of the play file on the board. Returns 0 (leaving the board as it was)
// when the puzzle cannot be read; the reason goes to *error.
int SetCross(Game& game, int n, QString* error = nullptr);
// Whether a puzzle is set up on the board: none is before play begins.
bool CrossOnBoard(const Game& game);
// Mode 1 loads, mode 0 unloads one cell label per grid cell.
void LoadMasLabels(Game& game, int mode);
void InitMasLabels(Game& game);
