#pragma once

struct Game;

// The story events of the game timer that show no talk: the adviser's mood every 20 s and
// the background sprite's turn every minute. (The timed remarks and the ten-hour ending
// are flows of the story.)
void ImproveMood(Game& game);
void ToggleCastState(Game& game);
// Whole minutes since the last key press. Measured on the monotonic clock, so that it
// counts right across midnight and a wall clock set back reads as no idle time.
int IdleMinutes(const Game& game);
// The advice stage that the adviser's face sets when the mood changes: faces 1, 2, 3 give
// 5, 3, 1; faces 4 and 5 give 0; other faces leave the stage as it was.
int AdviceStageForFace(int face, int stage);
