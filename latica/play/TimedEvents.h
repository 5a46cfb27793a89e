#pragma once

struct Game;

// The story events of the game timer: the adviser's mood every 20 s, a timed remark, the
// background sprite's turn every minute, and the ending after ten hours of play. The
// story flows fill these in; until then the tick calls them and nothing shows.
void ImproveMood(Game& game);
void TimedTalk(Game& game);
void ToggleCastState(Game& game);
void TimeOutEnding(Game& game);
