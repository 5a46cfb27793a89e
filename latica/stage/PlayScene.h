#pragma once

struct Game;

// Longest wait for the adviser to walk out of the view (seconds of the time source).
constexpr double LeaveAdviserLimit = 10.0;

// The play screen's stage: the adviser's small window with its set of faces, the
// background sprite and the drifting cloud; and the adviser's walks.
void SetupPlayScene(Game& game);
void EnterAdviser(Game& game);
void SwayAdviser(Game& game);
void LeaveAdviser(Game& game);
void FlashAdviserSpot(Game& game);
