#include "TimedEvents.h"

#include "shell/Game.h"

// The adviser, the talks and the sprite come with the story; the tick already calls here.
void ImproveMood(Game&) {}
void TimedTalk(Game&) {}
void ToggleCastState(Game&) {}
void TimeOutEnding(Game&) {}
