#pragma once
#include <QString>

struct Game;

// The animated stage: placing it, its world picture and view, and the tick that redraws
// it with every active cast.
void SetStageRect(Game& game, int left, int top, int width, int height);
void StartAnim(Game& game);
void StopAnim(Game& game);
void ShowStage(Game& game);
void HideStage(Game& game);
void SetWorldSize(Game& game, int width, int height, int clear);
// A picture that cannot be read is named to the player and ends the program.
void DrawWorldPicture(Game& game, const QString& name, int x, int y);
void SetWorldView(Game& game, int x, int y, int mode);
// One tick of the animation timer. When the coming ticks can change nothing, the timer
// rests until one can; the tick after a rest counts the intervals rested as they were
// and steps the stage as it is now once, so a change made during a rest takes effect
// from the next interval on.
void AnimTick(Game& game);
// Whether something the tick reads changed while the timer rests.
bool StageChangedWhileResting(Game& game);

// The longest rest, in ticks of 10 ms: shorter than a follow's wait for the next tick.
constexpr int MaxRestTicks = 40;
