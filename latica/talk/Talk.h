#pragma once
#include <QString>

struct Game;
class TalkEngine;

// The talk engine: talks fetched by number (or given as text) are interpreted mark by
// mark and printed character by character, one step per tmrTalk tick, into the two talk
// boxes of the main window; waits for a click, a menu choice or typed text stop the talk
// until the player (or the time) ends them.

// The game's talk engine, made on first use.
TalkEngine& talkEngine(Game& game);

// Set-up and run state
void InitTalk(Game& game, int x, int y);   // x, y: left of the speaking slot, top of the boxes
void EndTalk(Game& game);
void ResetTalk(Game& game);

// Shows talk n (n <= 0 continues with the talk stored after the previous one) and returns
// when the whole talk, with its waits, has been interpreted.
void AdviserTalk(Game& game, int n);
// The same for a talk given as text; the talk data files are not touched.
void AdviserTalk(Game& game, const QString& text);

void ClearTalkers(Game& game);
void AddTalker(Game& game, const QString& mark, int style, const QString& voice, int value1, int value2,
               int value3, int value4, int talkAnim);
// Length factor of the timed waits; 5 is normal, the engine goes back to 5 after each wait.
void SetTalkWaitTime(Game& game, int factor);
// Sets TalkNames from a list "a●b●…"; empty pieces keep their entry.
void SetTalkNames(Game& game, const QString& list);

// Printing and boxes
void TalkTick(Game& game);                 // one tmrTalk step
// Whether a talk has text left to show; without one the talk timer rests for up to
// IdleTalkRestTicks ticks, and a talk queued by any handler wakes it.
bool TalkPending(Game& game);
constexpr int IdleTalkRestTicks = 1000;
void DoTalkMark(Game& game);
void PrintTalkChar(Game& game);
void NewTalkLine(Game& game);
void SwitchTalker(Game& game, const QString& mark);
void SetTalkBoxTalker(Game& game, int n, const QString& mark);
// Each step of opening, sliding and shrinking a box is due this long after the last
// (seconds of the time source); the screen shows at most one step a display frame.
constexpr double BoxStepSeconds = 0.004;
void OpenTalkBox(Game& game, int n);
void SlideTalkBox(Game& game, int n);
void CloseTalkBox(Game& game, int n);
void ShrinkTalkBox(Game& game, int n);

// Menus, waits, the cursor and typed input
void ShowTalkMenu(Game& game, const QString& list);
void HideTalkMenu(Game& game);
void StartTalkWait(Game& game);
void EndTalkWait(Game& game, int index);
void TalkWaitTimeOut(Game& game);
void TalkCursorBlinkTick(Game& game);      // one tmrTalkCursorBlink tick
bool MenuPointerMoved(Game& game);        // wakes the menu's resting ticks
void BlinkMenuItem(Game& game, int on);
void BlinkTalkCursor(Game& game, int on);
void TalkInputGotFocus(Game& game);
