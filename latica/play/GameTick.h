#pragma once
#include "model/PlayClock.h"

#include <QString>

struct Game;

// The game timer's tick (every 100 ms while a puzzle is on the board) and the play clock.
// Between the ticks that do something the timer rests; the tick after a rest counts the
// intervals rested as they were, then takes one step with what was typed meanwhile.
void KumiTick(Game& game);
// Whether the resting game timer must tick at its next interval: something was typed,
// or the tick count was changed from outside.
bool KumiTickDueEarly(const Game& game);
void ResetPlayClock(Game& game);
// A kept puzzle that comes back: the clock, just reset, counts on from `seconds` and shows
// them at once. Ten hours or more (the game ended on them) count from 0 again.
void ContinuePlayClock(Game& game, int seconds);
void UpdatePlayClock(Game& game);
void BlinkCursor(Game& game);

// Seconds since the start, across midnight: now - start, or wrap + now once the clock
// passed midnight.
int elapsedPlaySeconds(int now, int start, int wrap);
// "0:05:30": hours without a leading zero, minutes and seconds with two digits.
QString playClockText(int hours, int minutes, int seconds);
