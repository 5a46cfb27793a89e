#include "KeypadLink.h"

#include "keypad/frmKeypad.h"
#include "model/Game.h"

QString KeypadConvert(Game& game, QChar c)
{
    return game.frmKeypad ? game.frmKeypad->RomaKanaConvWChr(c) : QString();
}

void KeypadClearDisplay(Game& game)
{
    if (game.frmKeypad)
        game.frmKeypad->ClearDispKeyBuff();
}

void OpenKeypad(Game& game)
{
    if (!game.frmKeypad)
        return;
    game.frmKeypad->ClearDispKeyBuff();
    game.frmKeypad->ShowKeypad();
}
