#include "PlayClock.h"

#include "Game.h"
#include "form/Clock.h"

#include <algorithm>

int PlaySeconds(const Game& game)
{
    return std::max(0, int(form::Clock::instance().monotonicSeconds() - game.play.PlayStartTime));
}
