#include "EndProgram.h"

#include "Game.h"
#include "MainForm.h"
#include "form/Pump.h"

void EndProgram(Game& game)
{
    game.sound.StopSound(-1);
    game.sound.StopMusic();
    if (MainForm* f = game.frmMain) {
        f->tmrKumi.setEnabled(false);
        f->tmrAnim.setEnabled(false);
        f->tmrTalk.setEnabled(false);
        f->tmrTalkCursorBlink.setEnabled(false);
        f->tmrSoundInterval.setEnabled(false);
    }
    form::endProcess(0);
}
