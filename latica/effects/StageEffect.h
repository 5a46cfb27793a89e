#pragma once

struct Game;

// Effects on the whole stage. The animation is stopped while they draw, so that it does
// not paint over them, and started again afterwards. Codes given as 0 take the value the
// effect kept from its last call; a call whose codes fall outside the tables does nothing.

// Shakes a snapshot of the stage for one second along the vertical (28), horizontal (46)
// or both (2468) axes; amplitude and speed codes 1..5.
void ShakeStage(Game& game, int axis, int amplitude, int speed);

// Fills the stage with a colour in eight passes of lines 8 pixels apart: vertical lines
// for axis 28, horizontal ones for 46; seconds is the wait after each pass.
void StripeStage(Game& game, int axis, int colour, double seconds);
