#include "MainFormEvents.h"

#include "cast/Anim.h"
#include "form/KeyCodes.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "model/StoryFlows.h"
#include "play/BoardView.h"
#include "play/Cursor.h"
#include "play/Entry.h"
#include "play/GameTick.h"
#include "play/KeypadLink.h"
#include "play/Scoring.h"
#include "play/SetCross.h"
#include "talk/TalkEvents.h"
#include "window/MainForm.h"
#include "window/Messages.h"

namespace {

// Afterwards the board keeps the keyboard.
void focusBoard(Game& game)
{
    game.frmMain->picCrossStage->setFocus();
}

bool entryIdle(const Game& game)
{
    return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0;
}

// The dial and the board's buttons work on a puzzle on the board, and not while it is
// scored; talks may run meanwhile. Before play there is nothing for them to act on.
bool boardUsable(const Game& game)
{
    return game.AnswerOpenBusy == 0 && CrossOnBoard(game);
}

// Editing a cell also waits for typed characters and a cell roll to finish: two rolls
// would share the roll bars.
bool cellEditable(const Game& game)
{
    return boardUsable(game) && entryIdle(game);
}

void boardButton(Game& game, form::ControlArray<form::Label>& buttons, std::function<void(int)> action)
{
    buttons.onClick = [&game, action](int i) {
        if (!boardUsable(game))
            return;
        action(i);
        focusBoard(game);
    };
}

void connectBoard(Game& game)
{
    MainForm& f = *game.frmMain;
    f.lblCell.onClick = [&game](int n) {
        if (cellEditable(game))
            ClickMas(game, n);
    };
    // Element 1 is the across layout, element 2 the down layout of the dial.
    boardButton(game, f.lblKeyUp, [&game](int i) { i == 1 ? MoveToWord(game, 1) : MoveInWord(game, 1); });
    boardButton(game, f.lblKeyDown, [&game](int i) { i == 1 ? MoveToWord(game, 2) : MoveInWord(game, 2); });
    boardButton(game, f.lblKeyLeft, [&game](int i) { i == 1 ? MoveInWord(game, 1) : MoveToWord(game, 1); });
    boardButton(game, f.lblKeyRight, [&game](int i) { i == 1 ? MoveInWord(game, 2) : MoveToWord(game, 2); });
    boardButton(game, f.lblKeyTurn, [&game](int) { TurnWord(game); });
    boardButton(game, f.lblCrossStageMoveH, [&game](int i) { ScrollCrossH(game, i); });
    boardButton(game, f.lblCrossStageMoveV, [&game](int i) { ScrollCrossV(game, i); });
    f.lblKeyDelete->onClick = [&game] {
        if (!cellEditable(game))
            return;
        EraseMas(game);
        focusBoard(game);
    };
    f.lblKeyUndo->onClick = [&game] {
        if (!cellEditable(game))
            return;
        UndoMas(game);
        focusBoard(game);
    };
    f.lblKeypad->onClick = [&game] {
        if (!CrossOnBoard(game))
            return;
        OpenKeypad(game);
        focusBoard(game);
    };
    f.tmrKumi.onTick = [&game] { KumiTick(game); };
    f.tmrKumi.wakeWhen = [&game] { return KumiTickDueEarly(game); };
}

} // namespace

void ConnectMainFormEvents(Game& game)
{
    MainForm& f = *game.frmMain;

    f.onUnload = [&game] { EndProgram(game); };
    f.onKeyDown = [&game](int key, int shift) {
        if (key == form::Key::F4 && (shift & form::AltMask))
            EndProgram(game);
        // Keys write into the board only while no flow runs: a flow's talks own the player.
        if (game.PlayActive == 1 && game.Busy == 0 && CrossOnBoard(game))
            PlayKeyDown(game, key);
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
    // A command that starts a talk flow: one at a time, never while the board is scored,
    // and only on a puzzle on the board.
    const auto command = [&game](std::function<bool()> allowed, std::function<void()> flow) {
        return [&game, allowed, flow] {
            if (game.AnswerOpenBusy == 0 && game.Busy == 0 && game.story && CrossOnBoard(game) && allowed()) {
                game.Busy = 1;
                flow();
                game.Busy = 0;
            }
            focusBoard(game);
        };
    };
    const auto always = [] { return true; };
    f.lblAnswerOpen->onClick = command([&game] { return entryIdle(game); }, [&game] {
        game.AnswerOpenBusy = 1;
        game.story->AnswerOpen();
        game.AnswerOpenBusy = 0;
    });
    f.lblMarkSpeedUp->onClick = [&game] {
        StartSpeedUpMark(game);
        focusBoard(game);
    };
    f.lblCrossChange->onClick = command(always, [&game] { game.story->ChangeCross(); });
    f.lblAdvice->onClick = command(always, [&game] { game.story->GiveAdvice(); });
    f.lblEnd->onClick = [&game] {
        if (game.PlayActive == 0) {
            game.frmMain->close();
            return;
        }
        if (game.AnswerOpenBusy != 0 || game.Busy != 0 || !game.story || !CrossOnBoard(game))
            return;
        MainForm& form = *game.frmMain;
        game.Busy = 1;
        form.lblEnd->setEnabled(false);
        game.story->RunEnding();
        form.lblEnd->setEnabled(true);
        game.Busy = 0;
        focusBoard(game);
    };

    connectBoard(game);
    ConnectTalkEvents(game);
    f.tmrSoundInterval.onTick = [&game] { game.sound.SoundIntervalTick(); };
    f.tmrAnim.onTick = [&game] { AnimTick(game); };
    f.tmrAnim.wakeWhen = [&game] { return StageChangedWhileResting(game); };
}
