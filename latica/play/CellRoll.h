#pragma once

struct Game;

// The roll with which a cell takes its character. Mode 1: a new entry; mode 2: the
// scoring of the cell (right clears it, wrong turns it red).
void DrawCross(Game& game, int mode);
