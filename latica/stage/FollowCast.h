#pragma once

struct Game;

// Longest wait for one animation tick (seconds of the time source). A follow that gets
// no tick for this long, because the timer is off, gives up.
constexpr double FollowTickLimit = 0.5;
// Longest a whole follow may take.
constexpr double FollowLimit = 120.0;

// Scrolls the view along with a cast that moves by itself, until the view reaches the
// stop offset or its limit. Returns false when it gave up.
bool FollowCast(Game& game, int cast, int stopX, int stopY);
