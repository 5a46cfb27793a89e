#include "Anim.h"

#include "form/Blt.h"
#include "form/ProgramFolder.h"
#include "shell/Game.h"
#include "shell/MainForm.h"

#include <QImage>
#include <cmath>
#include <cstdio>

namespace {

constexpr int CountLimit = 1000000;
// Casts moving by themselves are stepped a little beyond the visible stage.
constexpr int ViewMargin = 16;

// An interval of 0 or less (which only a setter can store) means the step never comes.
bool due(int count, int interval)
{
    return interval > 0 && count % interval == 0;
}

void frameStep(const StageState& st, CastRecord& c)
{
    if (!due(st.AnimCount, c.FrameInterval))
        return;
    ++c.Frame;
    if (c.Frame > c.LoopLast)
        c.Frame = c.LoopFirst;
    if (c.TalkState == 1) {
        if (c.Frame == 1)
            c.FrameInterval = c.RestInterval;
        else if (c.Frame == 2)
            c.FrameInterval = c.IdleInterval;
    }
}

void drift(Game& game, CastRecord& c)
{
    if (!due(game.stage.AnimCount, c.DriftInterval))
        return;
    const int r = static_cast<int>(std::floor(c.DriftAmount * game.random.next()));
    switch (c.DriftKind) {
    case 2: c.Y += r; break;
    case 4: c.X -= r; break;
    case 6: c.X += r; break;
    case 8: c.Y -= r; break;
    case 28: c.Y = c.Y == c.Anchor ? c.Anchor + c.DriftAmount : c.Anchor; break;
    case 46: c.X = c.X == c.Anchor ? c.Anchor + c.DriftAmount : c.Anchor; break;
    default: break;
    }
}

void moveStep(const StageState& st, CastRecord& c)
{
    if (!due(st.AnimCount, c.MoveInterval))
        return;
    switch (c.MoveDirection) {
    case 2: c.Y += c.MoveStep; break;
    case 4: c.X -= c.MoveStep; break;
    case 6: c.X += c.MoveStep; break;
    case 8: c.Y -= c.MoveStep; break;
    default: break;
    }
}

bool overlaps(const StageState& st, const CastRecord& c, int margin)
{
    return c.X > st.ViewX - c.Width - margin && c.X < st.ViewX + st.StageWidth + margin &&
           c.Y > st.ViewY - c.Height - margin && c.Y < st.ViewY + st.StageHeight + margin;
}

void draw(Game& game, QImage& stage, const CastRecord& c)
{
    form::PictureBox* cell = game.frmMain->picCell.find(c.Cell);
    if (!cell)
        return;
    const QImage& strip = cell->picture();
    const int sx = c.X - game.stage.ViewX;
    const int sy = c.Y - game.stage.ViewY;
    const int column = (c.Frame - 1) * c.Width;
    form::bitBlt(stage, sx, sy, c.Width, c.Height, strip, column, c.Height, form::RasterOp::SrcAnd);
    form::bitBlt(stage, sx, sy, c.Width, c.Height, strip, column, 0, form::RasterOp::SrcPaint);
}

// A mode-21 cast outside the view comes back in from the side it moves away from.
void wrapBack(const StageState& st, CastRecord& c)
{
    if (c.WrapArmed == 1) {
        c.WrapTime = st.AnimCount + c.WrapDelay;
        c.WrapArmed = 0;
    }
    if (!due(st.AnimCount, c.WrapTime))
        return;
    switch (c.MoveDirection) {
    case 2: c.Y = st.ViewY - c.Height; break;
    case 4: c.X = st.ViewX + st.StageWidth; break;
    case 6: c.X = st.ViewX - c.Width; break;
    case 8: c.Y = st.ViewY + st.StageHeight; break;
    default: break;
    }
}

// Whether this tick can change anything of the cast: a frame, drift or move step falls
// due, or its wrap state moves on.
bool castDue(const StageState& st, const CastRecord& c)
{
    if (c.Active != 1)
        return false;
    if (due(st.AnimCount, c.FrameInterval) || due(st.AnimCount, c.DriftInterval))
        return true;
    if (c.MoveMode <= 0)
        return false;
    return due(st.AnimCount, c.MoveInterval) || c.MoveMode == 31 ||
           (c.MoveMode == 21 && (c.WrapArmed == 1 || c.WrapTime <= 0 || due(st.AnimCount, c.WrapTime)));
}

} // namespace

void SetStageRect(Game& game, int left, int top, int width, int height)
{
    MainForm& f = *game.frmMain;
    f.picStage->setLeft(left);
    f.picStage->setTop(top);
    f.picStage->setWidth(width);
    f.picStage->setHeight(height);
    game.stage.StageWidth = width;
    game.stage.StageHeight = height;
    f.picWork->setContainer(f.picStage);
    f.picWork->sendToBack();
    f.picWork->setGeometry(width, 0, 1, 1);
}

void StartAnim(Game& game)
{
    game.frmMain->tmrAnim.setEnabled(true);
}

void StopAnim(Game& game)
{
    game.frmMain->tmrAnim.setEnabled(false);
}

void ShowStage(Game& game)
{
    game.frmMain->picStage->setVisible(true);
}

void HideStage(Game& game)
{
    game.frmMain->picStage->setVisible(false);
}

void SetWorldSize(Game& game, int width, int height, int clear)
{
    form::PictureBox* world = game.frmMain->picWorld;
    if (clear == 1)
        world->cls();
    world->setGeometry(0, 0, width, height);
    world->canvas();
    game.stage.WorldWidth = width;
    game.stage.WorldHeight = height;
    game.stage.ViewMaxX = width - game.stage.StageWidth;
    game.stage.ViewMaxY = height - game.stage.StageHeight;
}

bool DrawWorldPicture(Game& game, const QString& name, int x, int y)
{
    MainForm& f = *game.frmMain;
    const QString path =
        form::ProgramFolder::resolve(QStringLiteral("\\Picture\\WorldPicture\\") + name + QStringLiteral(".jpg"));
    const QImage picture(path);
    if (picture.isNull()) {
        std::fprintf(stderr, "latica: cannot read the world picture %s\n", path.toLocal8Bit().constData());
        return false;
    }
    f.picWork->setPicture(picture.convertToFormat(QImage::Format_RGB32));
    f.picWork->setGeometry(f.picWork->left(), f.picWork->top(), picture.width(), picture.height());
    form::bitBlt(f.picWorld->canvas(), x, y, picture.width(), picture.height(), f.picWork->picture(), 0, 0);
    f.picWork->setPicture(QImage());
    f.picWork->setGeometry(f.picWork->left(), f.picWork->top(), 1, 1);
    return true;
}

void SetWorldView(Game& game, int x, int y, int mode)
{
    StageState& st = game.stage;
    int tx = 0, ty = 0;
    if (mode == 0) {
        tx = x;
        ty = y;
    } else if (mode == 1) {
        tx = st.ViewX + x;
        ty = st.ViewY + y;
    }
    tx = tx < 0 ? 0 : (tx > st.ViewMaxX ? st.ViewMaxX : tx);
    ty = ty < 0 ? 0 : (ty > st.ViewMaxY ? st.ViewMaxY : ty);
    st.ViewX = tx;
    st.ViewY = ty;
}

void AnimTick(Game& game)
{
    StageState& st = game.stage;
    CastList& casts = game.casts;
    ++st.AnimCount;
    if (st.AnimCount > CountLimit) {
        for (int i = casts.CastCount; i >= 1; --i) {
            if (casts[i].WrapTime >= st.AnimCount)
                casts[i].WrapTime -= CountLimit;
        }
        st.AnimCount -= CountLimit;
    }

    MainForm& f = *game.frmMain;
    QImage& stage = f.picStage->canvas();
    // Effects draw on the stage between ticks; then the next tick must repaint.
    const bool drawnOn = stage.cacheKey() != st.shownKey;
    // Most ticks change nothing (casts resting between their steps): they end here.
    bool anyDue = drawnOn || f.picWorld->canvas().cacheKey() != st.worldKey || st.ViewX != st.shownViewX ||
                  st.ViewY != st.shownViewY;
    for (int i = casts.CastCount; i >= 1 && !anyDue; --i)
        anyDue = castDue(st, casts[i]);
    if (!anyDue)
        return;
    form::bitBlt(stage, 0, 0, st.StageWidth, st.StageHeight, f.picWorld->canvas(), st.ViewX, st.ViewY);

    for (int i = casts.CastCount; i >= 1; --i) {
        CastRecord& c = casts[i];
        if (c.Active != 1)
            continue;
        if (c.MoveMode == 0) {
            if (!overlaps(st, c, 0))
                continue;
            frameStep(st, c);
            drift(game, c);
            draw(game, stage, c);
        } else if (c.MoveMode > 0) {
            if (overlaps(st, c, ViewMargin)) {
                frameStep(st, c);
                drift(game, c);
                moveStep(st, c);
                if (c.MoveMode == 21 && c.WrapArmed == 0) {
                    c.WrapTime = 0;
                    c.WrapArmed = 1;
                }
                draw(game, stage, c);
            } else if (c.MoveMode == 11) {
                moveStep(st, c);
            } else if (c.MoveMode == 21) {
                wrapBack(st, c);
            } else if (c.MoveMode == 31) {
                c.Active = 0;
            }
        }
    }
    // Most ticks draw what is already on screen (casts resting, nothing moving): only a
    // changed stage is repainted, which keeps the idle game light.
    if (drawnOn || stage != st.shownFrame) {
        st.shownFrame = stage.copy();
        f.picStage->refresh();
    }
    st.shownKey = stage.cacheKey();
    st.worldKey = f.picWorld->canvas().cacheKey();
    st.shownViewX = st.ViewX;
    st.shownViewY = st.ViewY;
}
