#pragma once
#include <QChar>
#include <QString>

struct Game;

// What the play asks of the kana keypad window.
QString KeypadConvert(Game& game, QChar c);
void KeypadClearDisplay(Game& game);
// The keypad button: empties the display and shows or hides the window.
void OpenKeypad(Game& game);
