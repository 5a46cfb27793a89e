#pragma once
#include <QString>

struct Game;

// The casts of the stage: loading from the cast table and pictures, placing, moving,
// face copies and talk states. A cast number indexes game.casts.

// Longest wait for a cast to come back to its first frame before talking (seconds of the
// time source); the animation may be stopped or the cast off the view.
constexpr double CastFrameWaitLimit = 2.0;

int LoadCast(Game& game, const QString& name);
// Reads the pictures of the named casts side by side, for the LoadCast calls that follow;
// ForgetCastPictures lets them go once those are done.
void ReadCastPicturesAhead(Game& game, const QStringList& names);
void ForgetCastPictures(Game& game);
void FreeCast(Game& game, int cast);
void HideCast(Game& game, int cast);
void SetCastPos(Game& game, int cast, int x, int y);
void SetCastDrift(Game& game, int cast, int kind, int interval, int amount);
void SetCastMove(Game& game, int cast, int mode, int direction, int interval, int step, int delay);
void GetCastPos(const Game& game, int cast, int& x, int& y);
void CopyCastFace(Game& game, int shown, int face);
void SetCastTalkState(Game& game, int cast, int state);
