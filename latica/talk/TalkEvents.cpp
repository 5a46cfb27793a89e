#include "TalkEvents.h"

#include "Talk.h"
#include "TalkEngine.h"

#include "form/Label.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

void clickOnBox(Game& game, int index)
{
    const int wait = talkEngine(game).TalkWait;
    if (wait == 1 || wait == -1)
        EndTalkWait(game, index);
}

} // namespace

void ConnectTalkEvents(Game& game)
{
    MainForm& f = *game.frmMain;
    // A click anywhere on a box counts, also on its strips and outline.
    const auto onBox = [&game](int index) { clickOnBox(game, index); };
    f.picTalkBox.onClick = onBox;
    f.picTalkBoxUp.onClick = onBox;
    f.picTalkBoxDown.onClick = onBox;
    f.shpTalkBoxLeft.onClick = onBox;
    f.shpTalkBoxRight.onClick = onBox;
    f.shpTalkBoxUp.onClick = onBox;
    f.shpTalkBoxDown.onClick = onBox;

    f.lblMenu.onClick = [&game](int index) {
        const int wait = talkEngine(game).TalkWait;
        if (wait != 3 && wait != -3)
            return;
        game.frmMain->lblMenu(index)->setBackStyle(form::BackStyle::Opaque);
        EndTalkWait(game, index);
    };

    // The input box ends only an input wait: a menu or a click wait is not its to end.
    const auto endInput = [&game] {
        const int wait = talkEngine(game).TalkWait;
        if (wait == 2 || wait == -2)
            EndTalkWait(game, 0);
    };
    f.txtTalkInput->onClick = endInput;
    f.txtTalkInput->onLostFocus = endInput;
    f.txtTalkInput->onKeyPress = [endInput](int key) {
        if (key == 13)
            endInput();
    };
    f.txtTalkInput->onGotFocus = [&game] { TalkInputGotFocus(game); };

    f.tmrTalk.onTick = [&game] { TalkTick(game); };
    f.tmrTalk.wakeWhen = [&game] { return TalkPending(game); };
    f.tmrTalkCursorBlink.onTick = [&game] { TalkCursorBlinkTick(game); };
    f.tmrTalkCursorBlink.wakeWhen = [&game] { return MenuPointerMoved(game); };
}
