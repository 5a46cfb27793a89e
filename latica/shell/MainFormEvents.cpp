#include "MainFormEvents.h"

#include "EndProgram.h"
#include "Game.h"
#include "MainForm.h"
#include "Messages.h"
#include "form/KeyCodes.h"

namespace {

// Afterwards the board keeps the keyboard.
void focusBoard(Game& game)
{
    game.frmMain->picCrossStage->setFocus();
}

} // namespace

void ConnectMainFormEvents(Game& game)
{
    MainForm& f = *game.frmMain;

    f.onUnload = [&game] { EndProgram(game); };
    f.onKeyDown = [&game](int key, int shift) {
        if (key == form::Key::F4 && (shift & form::AltMask))
            EndProgram(game);
    };

    f.lblHelp->onClick = [&game] {
        if (game.PlayActive != 1)
            return;
        MainForm& form = *game.frmMain;
        form.lblHelp->setEnabled(false);
        ShowHelp(game);
        form.lblHelp->setEnabled(true);
        focusBoard(game);
    };
    f.lblEnd->onClick = [&game] {
        if (game.PlayActive == 0)
            game.frmMain->close();
    };

    f.tmrSoundInterval.onTick = [&game] { game.sound.SoundIntervalTick(); };
}
