#pragma once

struct Game;

// The spot overlay picSpotStage: a picture box inside the stage that shows a magnified
// part of it. Parked outside the stage's right edge when not in use.

// Makes the overlay borderless, puts it into the stage and parks it.
void InitSpotStage(Game& game);

// Hides and parks the overlay and starts the animation.
void HideSpotStage(Game& game);

// Zooms the live stage around (cx, cy): mode 1 from 101 % up to zoom %, mode 0 from
// zoom - 1 % back to 100 %, one frame per percent. zoom 0 takes the kept zoom; a zoom
// outside 101..1000 or another mode does nothing. The overlay stays shown afterwards and
// the animation stopped, until HideSpotStage.
void ZoomSpot(Game& game, int cx, int cy, int zoom, int mode);
