#pragma once
#include <QString>

struct Game;

// What the player wrote into unsolved puzzles, kept in the board file beside the record so
// that it survives a puzzle change, the end of the game and a crash. A board file that is
// damaged, does not fit the puzzle or cannot be written never stops play: it is noted on
// stderr and the next write replaces it.

// The board file of the play file: beside the record, or empty before the record is set.
QString BoardPath(const Game& game);
// Writes the board on the board into the file, at once: after each change of an entry, at
// a puzzle change and at the end. A solved puzzle, or one without entries, is taken out.
// Nothing is written when the file already holds what it would hold.
void KeepBoard(Game& game);
// Puts the kept entries of the puzzle on the board into its cells (the model only).
// Returns whether any were put; `seconds`, when given, receives the play clock kept with
// them (0 without).
bool RestoreBoard(Game& game, int* seconds = nullptr);
// Takes the puzzles the record marks solved out of the file.
void DropSolvedBoards(Game& game);
// Removes the board file: the player plays the file again from the start.
void DropAllBoards(Game& game);
