#pragma once
#include <QString>
#include <vector>

struct Game;

// The adviser: a shown cast whose picture is swapped among hidden face casts.
struct GalFaceSet {
    int GalCast = 0;
    int GalFaceCount = 0;
    int GalFaceNo = 0;
    std::vector<int> GalFaces; // indexed 1..GalFaceCount
};

// Longest wait for the adviser to come back to its first frame (seconds of the time
// source); frames advance only while the animation runs and the adviser is in view.
constexpr double GalFrameWaitLimit = 2.0;

int LoadGalCast(Game& game, const QString& name, int count);
// "+", "-" or "=n": one face up, one down, or face n; other codes and faces outside the
// set change nothing.
void ChangeGalFace(Game& game, const QString& code);
// The face a code leads to from the face shown, or 0 when nothing changes.
int faceAfterCode(const QString& code, int faceNo, int faceCount);

// The face change, one pass of the idle loop, the talk, and one more pass.
void ChangeGalFaceWithTalk(Game& game, int talk, const QString& code);
// Starts the idle loop on a cast and waits (bounded) for one pass of it.
void RunIdleLoopOnce(Game& game, int cast);
