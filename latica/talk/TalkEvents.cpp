#include "TalkEvents.h"

#include "Talk.h"
#include "TalkEngine.h"

#include "form/KeyCodes.h"
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

void chooseMenuItem(Game& game, int index)
{
    game.frmMain->lblMenu(index)->setBackStyle(form::BackStyle::Opaque);
    EndTalkWait(game, index);
}

// The keyboard's part in a talk: Return (either Enter) ends a click wait as a click on the
// speaking box does, a digit 1-9 (main keys or keypad) chooses that item of a waiting menu.
// The key that ends a wait is taken, so that it never reaches the board; every other key,
// a digit typed into the input box among them, goes on as before.
bool takeTalkKey(Game& game, int key, int shift)
{
    const TalkEngine& t = talkEngine(game);
    if (shift & (form::CtrlMask | form::AltMask))
        return false;
    if ((t.TalkWait == 1 || t.TalkWait == -1) && key == form::Key::Return &&
        (t.CurrentTalkBox == 1 || t.CurrentTalkBox == 2)) {
        EndTalkWait(game, t.CurrentTalkBox);
        return true;
    }
    if (t.TalkWait == 3 || t.TalkWait == -3) {
        for (const int zero : {form::Key::Digit0, form::Key::Keypad0}) {
            const int item = key - zero;
            if (item >= 1 && item <= t.MenuItemCount) {
                chooseMenuItem(game, item);
                return true;
            }
        }
    }
    return false;
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
        if (wait == 3 || wait == -3)
            chooseMenuItem(game, index);
    };
    f.takeKey = [&game](int key, int shift) { return takeTalkKey(game, key, shift); };

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
