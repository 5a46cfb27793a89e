#pragma once

struct Game;

// The keyboard during play, and typed characters on their way into the cells.
void PlayKeyDown(Game& game, int key);
void PutPendingKana(Game& game);
