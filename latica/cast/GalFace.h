#pragma once
#include "model/GalFaceSet.h"

#include <QString>
#include <vector>

struct Game;


// Longest wait for the adviser to come back to its first frame (seconds of the time
// source); frames advance only while the animation runs and the adviser is in view.
constexpr double GalFrameWaitLimit = 2.0;

int LoadGalCast(Game& game, const QString& name, int count);
// "+", "-" or "=n": one face up, one down, or face n; other codes and faces outside the
// set change nothing.
void ChangeGalFace(Game& game, const QString& code);
// The face a code leads to from the face shown, or 0 when nothing changes.
int faceAfterCode(const QString& code, int faceNo, int faceCount);

// Around a talk of the adviser: the face change and one pass of the idle loop before it,
// one more pass after it (each from the loop's first frame). Nothing without an adviser.
void GalFaceBeforeTalk(Game& game, const QString& code);
void GalFaceAfterTalk(Game& game);
// Starts the idle loop on a cast and waits (bounded) for one pass of it.
void RunIdleLoopOnce(Game& game, int cast);
