#pragma once
#include <QString>

struct Game;

// The adviser's face change, one pass of the idle loop, the talk, and one more pass.
// Without an adviser on the stage nothing is shown.
void ChangeGalFaceWithTalk(Game& game, int talk, const QString& code);
