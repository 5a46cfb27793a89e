#pragma once

struct Game;

// Connects the talk controls and timers of the main window (talk boxes, menu items, the
// input box, tmrTalk, tmrTalkCursorBlink) to the talk engine.
void ConnectTalkEvents(Game& game);
