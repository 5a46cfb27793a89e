#pragma once

struct Game;

// The whole seconds the play clock has counted for the puzzle on the board.
int PlaySeconds(const Game& game);
