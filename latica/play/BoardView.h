#pragma once

struct Game;

// Sizing and scrolling the board inside its 11 x 10 cell window.
void MeasureBoardCells(Game& game);
void LayoutCrossBase(Game& game);
void ScrollCrossH(Game& game, int button);
void ScrollCrossV(Game& game, int button);
void ScrollFollowCursor(Game& game);
void ShowWordH(Game& game);
void ShowWordV(Game& game);
void ShowWordHV(Game& game);
// Scrolls to the current word by the scroll mode.
void ShowCurrentWord(Game& game);
