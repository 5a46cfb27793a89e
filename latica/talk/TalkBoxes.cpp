// The two talk boxes: whose they are, opening, growing, sliding aside and closing, and
// which box the next talker speaks in.
#include "Talk.h"
#include "TalkEngine.h"

#include "form/Clock.h"
#include "form/Pump.h"
#include "form/Shape.h"
#include "model/Game.h"
#include "window/MainForm.h"

#include <QScreen>
#include <algorithm>
#include <functional>

namespace {

const int StripHeight = 10;

bool validBox(int n) { return n == 1 || n == 2; }

// Shows one animation step: the window is repainted where the box was and is.
void showStep(Game& game, form::PictureBox* box, const QRect& before)
{
    game.frmMain->repaint(before.united(box->geometry()));
}

// The screen shows one picture a frame: 1/60 s, or the screen's own rate.
double displayFrameSeconds(const Game& game)
{
    const QScreen* screen = game.frmMain->screen();
    const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    return 1 / rate;
}

// Plays `count` paced steps of a box's animation: step k (0 based) is due BoxStepSeconds
// after step k - 1. A step is drawn only when the screen can show it: after one is
// drawn, the animation waits for the next display frame (or the next step, if later) and
// goes on with the step due then, so the box takes the same time and ends the same way
// as if every step had been drawn. `place` puts the box where step k has it.
void playSteps(Game& game, form::PictureBox* box, int count, const std::function<void(int)>& place)
{
    const form::Clock& clock = form::Clock::instance();
    const double start = clock.monotonicSeconds();
    const double frame = displayFrameSeconds(game);
    const double end = start + count * BoxStepSeconds;
    for (int k = 0; k < count;) {
        const QRect before = box->geometry();
        place(k);
        const double drawn = clock.monotonicSeconds();
        showStep(game, box, before);
        const double next = std::min(std::max(start + (k + 1) * BoxStepSeconds, drawn + frame), end);
        const double left = next - clock.monotonicSeconds();
        if (left > 0)
            form::waitFor(left);
        k = std::max(k + 1, int((clock.monotonicSeconds() - start) / BoxStepSeconds));
    }
}

// Sets the box height; the bottom strip follows, and the side edges reach the bottom.
void setBoxHeight(Game& game, int n, int height)
{
    MainForm& f = *game.frmMain;
    const TalkLayout& l = talkEngine(game).layout;
    f.picTalkBox(n)->setHeight(height);
    f.picTalkBoxDown(n)->setTop(height - StripHeight);
    const int edge = std::max(l.FullHeight, height);
    f.shpTalkBoxLeft(n)->setHeight(edge);
    f.shpTalkBoxRight(n)->setHeight(edge);
}

const Talker* findTalker(const TalkEngine& t, const QString& mark)
{
    const qsizetype at = t.TalkerMarks.indexOf(mark);
    return at < 0 ? nullptr : &t.talkers[std::size_t(at)];
}

void hideBox(Game& game, int n)
{
    game.frmMain->picTalkBox(n)->setVisible(false);
    talkEngine(game).BoxState[n] = 0;
}

// Box n becomes current, is given to the talker unless it is already its box, and opens
// in the speaking slot.
void openFor(Game& game, int n, const QString& mark)
{
    TalkEngine& t = talkEngine(game);
    t.CurrentTalkBox = n;
    if (t.BoxOccupant[n] != mark)
        SetTalkBoxTalker(game, n, mark);
    OpenTalkBox(game, n);
    t.BoxState[n] = 1;
}

} // namespace

void SetTalkBoxTalker(Game& game, int n, const QString& mark)
{
    TalkEngine& t = talkEngine(game);
    if (!validBox(n))
        return;
    t.BoxOccupant[n] = mark;
    MainForm* f = game.frmMain;
    const Talker* talker = findTalker(t, mark);
    if (!f || !talker || !f->picTalkBox.exists(n))
        return;
    const TalkStyle& style = talkStyle(talker->Style);
    form::PictureBox* box = f->picTalkBox(n);
    box->setFontBold(style.Bold);
    box->setFontItalic(style.Italic);
    box->setBackColor(style.BackColor);
    f->picTalkBoxUp(n)->setBackColor(style.BackColor);
    f->picTalkBoxDown(n)->setBackColor(style.BackColor);
    for (form::Shape* s : {f->shpTalkBoxLeft(n), f->shpTalkBoxRight(n), f->shpTalkBoxUp(n), f->shpTalkBoxDown(n)})
        s->setBorderColor(style.BorderColor);
}

void OpenTalkBox(Game& game, int n)
{
    if (!validBox(n))
        return;
    TalkEngine& t = talkEngine(game);
    const TalkLayout& l = t.layout;
    form::PictureBox* box = game.frmMain->picTalkBox(n);
    // The closed box appears, then grows line by line to its open height.
    const int step = 2;
    const int count = (l.OpenHeight - l.ClosedHeight + step - 1) / step;
    playSteps(game, box, count, [&](int k) {
        if (k == 0) {
            box->move(l.SpeakLeft, l.BoxTop);
            box->cls();
            box->setCurrentX(l.HMargin);
            box->setCurrentY(l.VMargin);
            box->setVisible(true);
        }
        setBoxHeight(game, n, l.ClosedHeight + k * step);
    });
    const QRect at = box->geometry();
    setBoxHeight(game, n, l.OpenHeight);
    showStep(game, box, at);
}

void SlideTalkBox(Game& game, int n)
{
    if (!validBox(n))
        return;
    const TalkLayout& l = talkEngine(game).layout;
    form::PictureBox* box = game.frmMain->picTalkBox(n);
    const int step = 3;
    const int count = std::max(0, (l.SpeakLeft - l.SideLeft - 1) / step);
    playSteps(game, box, count, [&](int k) { box->setLeft(l.SpeakLeft - (k + 1) * step); });
    const QRect at = box->geometry();
    box->setLeft(l.SideLeft);
    showStep(game, box, at);
}

void ShrinkTalkBox(Game& game, int n)
{
    if (!validBox(n))
        return;
    const TalkLayout& l = talkEngine(game).layout;
    form::PictureBox* box = game.frmMain->picTalkBox(n);
    const int step = 4;
    // The box collapses towards its bottom edge: the top comes down as the height goes.
    const int top = box->top();
    const int height = box->height();
    const int count = std::max(0, (height - l.ClosedHeight) / step);
    playSteps(game, box, count, [&](int k) {
        box->setTop(top + (k + 1) * step);
        setBoxHeight(game, n, height - (k + 1) * step);
    });
}

void CloseTalkBox(Game& game, int n)
{
    TalkEngine& t = talkEngine(game);
    switch (t.TalkBoxMode) {
    case 0:
        t.CurrentTalkBox = 0;
        break;
    case 1:
    case 2:
        if (validBox(n)) {
            ShrinkTalkBox(game, n);
            hideBox(game, n);
        }
        t.CurrentTalkBox = 0;
        t.TalkBoxMode = 0;
        break;
    case 3:
        if (validBox(n)) {
            const bool speaking = t.BoxState[n] == 1;
            ShrinkTalkBox(game, n);
            hideBox(game, n);
            // The box left open becomes (or stays) current.
            t.CurrentTalkBox = 3 - n;
            t.TalkBoxMode = speaking ? 2 : 1;
        }
        break;
    default:
        break;
    }
    game.frmMain->update();
}

// Growing by a line is not paced: it happens between two printed characters.
void NewTalkLine(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (!validBox(t.CurrentTalkBox))
        return;
    const TalkLayout& l = t.layout;
    const int n = t.CurrentTalkBox;
    form::PictureBox* box = game.frmMain->picTalkBox(n);
    box->setCurrentX(l.HMargin);
    box->setCurrentY(box->currentY() + l.LinePitch);
    const int needed = int(box->currentY()) + l.GrowMargin;
    if (needed <= box->height())
        return;
    const int step = 2;
    for (int h = box->height() + 1; h < needed; h += step) {
        const QRect at = box->geometry();
        setBoxHeight(game, n, h);
        showStep(game, box, at);
    }
    const QRect at = box->geometry();
    setBoxHeight(game, n, needed);
    showStep(game, box, at);
}

void SwitchTalker(Game& game, const QString& mark)
{
    TalkEngine& t = talkEngine(game);
    if (const Talker* talker = findTalker(t, mark))
        game.sound.PlaySound(talker->Voice);
    const int current = t.CurrentTalkBox;
    const int other = validBox(current) ? 3 - current : 0;
    const bool own = validBox(current) && t.BoxOccupant[current] == mark;
    switch (validBox(current) ? t.TalkBoxMode : 0) {
    case 1:
    case 3:
        if (own) {
            NewTalkLine(game);
            return;
        }
        if (t.TalkBoxMode == 3)
            hideBox(game, other);
        SlideTalkBox(game, current);
        t.BoxState[current] = 2;
        openFor(game, other, mark);
        t.TalkBoxMode = 3;
        return;
    case 2:
        if (own) {
            hideBox(game, current);
            openFor(game, current, mark);
            t.TalkBoxMode = 1;
        } else {
            openFor(game, other, mark);
            t.TalkBoxMode = 3;
        }
        return;
    default:
        openFor(game, t.BoxOccupant[1] == mark ? 1 : 2, mark);
        t.TalkBoxMode = 1;
        return;
    }
}
