#pragma once

struct Game;

// Scoring the whole board: the walk word by word that colours each cell right or wrong,
// the fast scoring that colours the rest at once, and the counts of wrong cells.

// Grid cells whose entry is "　".
int CountBlankMas(const Game& game);
// Non-black grid cells whose entry differs from the answer; the first of them in row
// order (0 when none).
int CountWrongMas(const Game& game);
int FirstWrongMas(const Game& game);
// Black cells' labels transparent, the others opaque in the empty-cell colour.
void ResetMasColours(Game& game);
// The walk, word by word; it stops as soon as the player asks for fast scoring.
void ScoreWords(Game& game);
// Every cell of every word at once: red when wrong, transparent when right.
void ScoreAllAtOnce(Game& game);
// The board as scoring shows it: empty-cell colours, black squares opaque black, the
// controller hidden, "高速採点" in place of "完 成"; and back after the walk.
void BeginScoringDisplay(Game& game);
void EndScoringDisplay(Game& game);
// The player's click on "高速採点".
void StartSpeedUpMark(Game& game);
// After a scoring with wrong cells: the word through the first wrong cell becomes the one
// current word, shown with its own controller and scrolled into view.
void SelectFirstWrongWord(Game& game);
