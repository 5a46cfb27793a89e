#include "EndProgram.h"

#include "cast/Anim.h"
#include "form/MessageBox.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "records/Boards.h"
#include "records/Records.h"
#include "talk/Talk.h"
#include "window/MainForm.h"
#include "window/Messages.h"

#include <QFile>

void CloseProgram(Game& game)
{
    // The board as the player leaves it, should an earlier write have failed.
    KeepBoard(game);
    if (game.frmMain) {
        EndTalk(game);
        StopAnim(game);
    }
    game.sound.StopSound(-1);
    game.sound.StopMusic();
    if (MainForm* f = game.frmMain) {
        f->tmrKumi.setEnabled(false);
        f->tmrTalkCursorBlink.setEnabled(false);
        f->tmrSoundInterval.setEnabled(false);
    }
    // A record the play folder could not take stays in the work folder, with its board
    // file, unless the player says to delete it: a careless Escape or close keeps it.
    if (RecordInWorkFolder(game) && ShowMessage(game, 10004) == form::Answer::No) {
        QFile::remove(game.WorkFolder + game.RecordFileName);
        DropAllBoards(game);
    }
    form::endProcess(0);
}
