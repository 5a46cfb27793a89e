#pragma once

struct Game;

// The keyboard during play, typed characters on their way into the cells, and the roll
// with which a cell takes its character.
void PlayKeyDown(Game& game, int key);
void PutPendingKana(Game& game);
// Mode 1: a new entry; mode 2: the scoring of the cell.
void DrawCross(Game& game, int mode);
