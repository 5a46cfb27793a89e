// Waits inside a talk: for a click on the talk box (with the blinking cursor), for a
// menu choice, for typed text; the timed forms end by themselves.
#include "Talk.h"
#include "TalkEngine.h"

#include "form/Label.h"
#include "model/Game.h"
#include "window/MainForm.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const form::Colour Yellow = 0x00FFFF;
const QString CursorMark = QStringLiteral("▼");

// Cursor ticks: 500 ms while a click is awaited, 50 ms while a menu is shown.
constexpr int ClickTickMs = 500;
constexpr int MenuTickMs = 50;
// Ticks of a timed wait per unit of the wait factor.
constexpr int ClickTicksPerFactor = 2;
constexpr int MenuTicksPerFactor = 18;
// The longest rest of a menu without a time-out, in ticks.
constexpr int MenuRestTicks = 100;

int kindOf(const TalkEngine& t) { return t.TalkWait < 0 ? -t.TalkWait : t.TalkWait; }

form::PictureBox* currentBox(Game& game)
{
    const int n = talkEngine(game).CurrentTalkBox;
    return n == 1 || n == 2 ? game.frmMain->picTalkBox(n) : nullptr;
}

// Prints the cursor without smoothing, so that printing it again in the back colour
// leaves no trace.
void printCursor(form::PictureBox* box)
{
    QFont font = box->font().toQFont();
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    {
        QPainter p(&box->canvas());
        p.setFont(font);
        p.setPen(form::toQColor(box->foreColor()));
        p.drawText(QPointF(box->currentX(), box->currentY() + metrics.ascent()), CursorMark);
    }
    box->setCurrentX(box->currentX() + metrics.horizontalAdvance(CursorMark));
    box->update();
}

void endedByPlayer(TalkEngine& t)
{
    t.TalkWaitResult = 11;
    t.TalkWait = 0;
}

} // namespace

void StartTalkWait(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    t.TalkWaitResult = 1;
    // Every timed wait lasts its full time, however the wait before it ended.
    t.TickCounter = 0;
    switch (kindOf(t)) {
    case 3:
        ++t.menuWaitsStarted;
        t.TickLimit = t.WaitFactor * MenuTicksPerFactor;
        f.tmrTalkCursorBlink.setInterval(MenuTickMs);
        f.tmrTalkCursorBlink.setEnabled(true);
        break;
    case 2: {
        form::PictureBox* box = currentBox(game);
        if (!box)
            break;
        const TalkLayout& l = t.layout;
        f.txtTalkInput->setFont(box->font());
        f.txtTalkInput->setColours(box->backColor(), box->foreColor());
        const int left = int(box->currentX());
        f.txtTalkInput->setGeometry(box->left() + left, box->top() + int(box->currentY()),
                                    box->width() - l.HMargin - left, l.LinePitch);
        f.txtTalkInput->bringToFront();
        f.txtTalkInput->setVisible(true);
        f.txtTalkInput->focusInput();
        break;
    }
    case 1:
        if (form::PictureBox* box = currentBox(game)) {
            t.CursorX = box->currentX();
            t.CursorColor = box->foreColor();
        }
        t.TickLimit = t.WaitFactor * ClickTicksPerFactor;
        f.tmrTalkCursorBlink.setInterval(ClickTickMs);
        f.tmrTalkCursorBlink.setEnabled(true);
        break;
    default:
        break;
    }
}

namespace {

// The menu's highlight only follows the pointer: while the pointer stays, the ticks rest,
// up to the one that ends a timed menu; a move of the pointer wakes them.
void restMenuTicks(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (!t.pointerPosition)
        return;
    t.restPointer = t.pointerPosition();
    const int rest = t.TalkWait < 0 ? t.TickLimit - t.TickCounter : MenuRestTicks;
    if (rest > 0)
        game.frmMain->tmrTalkCursorBlink.skipTicks(rest);
}

} // namespace

bool MenuPointerMoved(Game& game)
{
    TalkEngine& t = talkEngine(game);
    return kindOf(t) == 3 && t.pointerPosition && t.pointerPosition() != t.restPointer;
}

void TalkCursorBlinkTick(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (t.TalkWait < 0) {
        t.TickCounter += game.frmMain->tmrTalkCursorBlink.elapsedTicks();
        if (t.TickCounter > t.TickLimit) {
            t.TickCounter = 0;
            TalkWaitTimeOut(game);
            return;
        }
    }
    switch (kindOf(t)) {
    case 3:
        BlinkMenuItem(game, 1);
        restMenuTicks(game);
        break;
    case 1:
        BlinkTalkCursor(game, 1);
        break;
    default:
        break;
    }
}

void BlinkTalkCursor(Game& game, int on)
{
    TalkEngine& t = talkEngine(game);
    t.CursorPhase = on ? 1 - t.CursorPhase : 0;
    form::PictureBox* box = currentBox(game);
    if (!box)
        return;
    if (t.CursorPhase == 0) {
        box->setCurrentX(t.CursorX);
        box->setForeColor(box->backColor());
        printCursor(box);
        box->setCurrentX(t.CursorX);
        box->setForeColor(t.CursorColor);
    } else {
        printCursor(box);
    }
}

void EndTalkWait(Game& game, int index)
{
    TalkEngine& t = talkEngine(game);
    if (t.endingWait)
        return;
    t.endingWait = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{t.endingWait};
    MainForm& f = *game.frmMain;

    switch (kindOf(t)) {
    case 3:
        f.tmrTalkCursorBlink.setEnabled(false);
        BlinkMenuItem(game, 0);
        if (form::Label* item = f.lblMenu.find(index))
            item->setForeColor(Yellow);
        t.TalkMenuAnswer = index;
        endedByPlayer(t);
        break;
    case 2: {
        t.TalkInputText = talk::toFullWidth(f.txtTalkInput->text());
        if (t.TalkInputText.isEmpty()) {
            TalkInputGotFocus(game);
            return;
        }
        if (form::PictureBox* box = currentBox(game))
            box->print(t.TalkInputText);
        f.txtTalkInput->setVisible(false);
        t.TalkMenuAnswer = talk::typedNumber(t.TalkInputText);
        endedByPlayer(t);
        break;
    }
    case 1:
        if (index != t.CurrentTalkBox)
            return;
        f.tmrTalkCursorBlink.setEnabled(false);
        BlinkTalkCursor(game, 0);
        endedByPlayer(t);
        break;
    default:
        break;
    }
}

void TalkWaitTimeOut(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    switch (t.TalkWait) {
    case -3:
        t.TalkMenuAnswer = 0;
        f.tmrTalkCursorBlink.setEnabled(false);
        // The highlight would otherwise stay on an item that no longer follows the pointer.
        BlinkMenuItem(game, 0);
        break;
    case -1:
        f.tmrTalkCursorBlink.setEnabled(false);
        BlinkTalkCursor(game, 0);
        break;
    default:
        break;
    }
    t.TalkWaitResult = 10;
    t.TalkWait = 0;
}

void TalkInputGotFocus(Game& game)
{
    form::TextBox* input = game.frmMain->txtTalkInput;
    input->selectAll();
    input->focusInput();
}
