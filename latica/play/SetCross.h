#pragma once
#include <QString>

struct Game;

// Puts puzzle n of the play file on the board. Returns 0 (leaving the board as it was)
// when the puzzle cannot be read; the reason goes to *error.
int SetCross(Game& game, int n, QString* error = nullptr);
// Mode 1 loads, mode 0 unloads one cell label per grid cell.
void LoadMasLabels(Game& game, int mode);
void InitMasLabels(Game& game);
