#pragma once

struct Game;

// The current word and the cursor: choosing, moving, turning, erasing and undoing.
void SelectWord(Game& game, int n, int step);
// Word q's number and clue, the clue in a font that fits its length.
void ShowClue(Game& game, int q);
void ClearWordMark(Game& game, int step);
void MoveCursor(Game& game, int from, int to);
void MoveCursorBy(Game& game, int d);
void ClickMas(Game& game, int n);
void SelectWordByKind(Game& game, int n);
int ChooseStepForMas(Game& game, int n);
void MoveInWord(Game& game, int d);
void MoveToWord(Game& game, int d);
void TurnWord(Game& game);
void EraseMas(Game& game);
void UndoMas(Game& game);
