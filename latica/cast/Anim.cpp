#include "Anim.h"

#include "form/Blt.h"
#include "form/Picture.h"
#include "form/ProgramFolder.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "window/MainForm.h"

#include <QImage>
#include <QRegion>
#include <algorithm>
#include <cmath>

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

bool overlaps(const StageState& st, const CastRecord& c, int margin, int viewX, int viewY)
{
    return c.X > viewX - c.Width - margin && c.X < viewX + st.StageWidth + margin &&
           c.Y > viewY - c.Height - margin && c.Y < viewY + st.StageHeight + margin;
}

bool overlaps(const StageState& st, const CastRecord& c, int margin)
{
    return overlaps(st, c, margin, st.ViewX, st.ViewY);
}

// Whether a tick steps the cast's frame and drift: an active cast in the view (widened
// for casts that move by themselves).
bool steppedInView(const StageState& st, const CastRecord& c, int viewX, int viewY)
{
    return c.Active == 1 && c.MoveMode >= 0 && overlaps(st, c, c.MoveMode == 0 ? 0 : ViewMargin, viewX, viewY);
}

// Where and how the cast is drawn this tick, with its picture's key (0 without one).
DrawnCast drawnCast(Game& game, int cast, const CastRecord& c)
{
    DrawnCast d{cast, c.Cell, c.X, c.Y, c.Width, c.Height, c.Frame, 0};
    if (form::PictureBox* cell = game.frmMain->picCell.find(c.Cell))
        d.pictureKey = cell->picture().cacheKey();
    return d;
}

// Where the cast lies on the stage.
QRect stageRect(const Game& game, const DrawnCast& d)
{
    return QRect(d.x - game.stage.ViewX, d.y - game.stage.ViewY, d.width, d.height);
}

// Draws the cast's mask, then its frame, within the clip rectangle of the stage.
void draw(Game& game, QImage& stage, const DrawnCast& d, const QRect& clip)
{
    form::PictureBox* cell = game.frmMain->picCell.find(d.cell);
    if (!cell)
        return;
    const QRect whole = stageRect(game, d);
    const QRect part = whole & clip;
    if (part.isEmpty())
        return;
    const QImage& strip = cell->picture();
    const int column = (d.frame - 1) * d.width + part.x() - whole.x();
    const int row = part.y() - whole.y();
    form::bitBlt(stage, part.x(), part.y(), part.width(), part.height(), strip, column, d.height + row,
                 form::RasterOp::SrcAnd);
    form::bitBlt(stage, part.x(), part.y(), part.width(), part.height(), strip, column, row,
                 form::RasterOp::SrcPaint);
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

void DrawWorldPicture(Game& game, const QString& name, int x, int y)
{
    MainForm& f = *game.frmMain;
    const QString path =
        form::ProgramFolder::resolve(QStringLiteral("\\Picture\\WorldPicture\\") + name + QStringLiteral(".jpg"));
    QString fault;
    const QImage picture = form::readPicture(path, &fault);
    // A scene without its world would show an empty stage.
    if (picture.isNull())
        DataFailure(game, QStringLiteral("背景画像 %1 を読めません（%2）。").arg(path, fault));
    f.picWork->setPicture(picture);
    f.picWork->setGeometry(f.picWork->left(), f.picWork->top(), picture.width(), picture.height());
    form::bitBlt(f.picWorld->canvas(), x, y, picture.width(), picture.height(), f.picWork->picture(), 0, 0);
    f.picWork->setPicture(QImage());
    f.picWork->setGeometry(f.picWork->left(), f.picWork->top(), 1, 1);
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

namespace {

// Steps every cast by one tick, listing what the tick draws, in drawing order.
void stepCasts(Game& game, std::vector<DrawnCast>& drawn)
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

    drawn.clear();
    for (int i = casts.CastCount; i >= 1; --i) {
        CastRecord& c = casts[i];
        if (c.Active != 1)
            continue;
        if (c.MoveMode == 0) {
            if (!overlaps(st, c, 0))
                continue;
            frameStep(st, c);
            drift(game, c);
            drawn.push_back(drawnCast(game, i, c));
        } else if (c.MoveMode > 0) {
            if (overlaps(st, c, ViewMargin)) {
                frameStep(st, c);
                drift(game, c);
                moveStep(st, c);
                if (c.MoveMode == 21 && c.WrapArmed == 0) {
                    c.WrapTime = 0;
                    c.WrapArmed = 1;
                }
                drawn.push_back(drawnCast(game, i, c));
            } else if (c.MoveMode == 11) {
                moveStep(st, c);
            } else if (c.MoveMode == 21) {
                wrapBack(st, c);
            } else if (c.MoveMode == 31) {
                c.Active = 0;
            }
        }
    }
}

bool stageAsShown(Game& game, const std::vector<DrawnCast>& drawn)
{
    const StageState& st = game.stage;
    MainForm& f = *game.frmMain;
    return f.picStage->canvas().cacheKey() == st.shownKey && f.picWorld->canvas().cacheKey() == st.worldKey &&
           st.ViewX == st.shownViewX && st.ViewY == st.shownViewY && drawn == st.shownCasts;
}

// The stage areas where the casts drawn differ from those shown: where a cast stood or
// stands now with another frame, place or picture.
QRegion changedArea(const Game& game, const std::vector<DrawnCast>& shown, const std::vector<DrawnCast>& drawn)
{
    QRegion area;
    for (const DrawnCast& d : drawn) {
        if (std::find(shown.begin(), shown.end(), d) == shown.end())
            area += stageRect(game, d);
    }
    for (const DrawnCast& d : shown) {
        if (std::find(drawn.begin(), drawn.end(), d) == drawn.end())
            area += stageRect(game, d);
    }
    return area;
}

// Most ticks would draw what is already on screen (casts resting between their steps):
// they draw nothing, which keeps the idle game light. When only casts changed, the areas
// they left or entered are drawn again, world first, then every cast over them; effects
// that drew on the stage between ticks, a new world picture or a moved view draw it all.
void drawStage(Game& game, std::vector<DrawnCast>& drawn)
{
    if (stageAsShown(game, drawn))
        return;
    StageState& st = game.stage;
    MainForm& f = *game.frmMain;
    QImage& stage = f.picStage->canvas();
    const QImage& world = f.picWorld->canvas();
    const bool onlyCastsChanged = stage.cacheKey() == st.shownKey && world.cacheKey() == st.worldKey &&
                                  st.ViewX == st.shownViewX && st.ViewY == st.shownViewY;
    const QRect whole(0, 0, st.StageWidth, st.StageHeight);
    const QRegion area = onlyCastsChanged ? changedArea(game, st.shownCasts, drawn) & whole : QRegion(whole);
    for (const QRect& part : area) {
        form::bitBlt(stage, part.x(), part.y(), part.width(), part.height(), world, st.ViewX + part.x(),
                     st.ViewY + part.y());
        for (const DrawnCast& d : drawn)
            draw(game, stage, d, part);
    }
    f.picStage->refresh(area);
    st.shownCasts = std::move(drawn);
    st.shownKey = stage.cacheKey();
    st.worldKey = world.cacheKey();
    st.shownViewX = st.ViewX;
    st.shownViewY = st.ViewY;
}

// Ticks from now until a step with this interval falls due (0: never).
int ticksUntilDue(int count, int interval)
{
    return interval > 0 ? interval - count % interval : 0;
}

// Whether a frame step changes the cast: a loop of one frame, already shown, changes
// nothing unless the talking state still has an interval to set.
bool frameStepChanges(const CastRecord& c)
{
    if (c.LoopFirst != c.LoopLast || c.Frame != c.LoopFirst)
        return true;
    if (c.TalkState != 1)
        return false;
    return (c.Frame == 1 && c.FrameInterval != c.RestInterval) || (c.Frame == 2 && c.FrameInterval != c.IdleInterval);
}

bool driftChanges(const CastRecord& c)
{
    switch (c.DriftKind) {
    case 2: case 4: case 6: case 8: case 28: case 46: return true;
    default: return false;
    }
}

bool moveChanges(const CastRecord& c)
{
    return c.MoveStep != 0 && (c.MoveDirection == 2 || c.MoveDirection == 4 || c.MoveDirection == 6 || c.MoveDirection == 8);
}

// How many of the coming ticks certainly change no cast (at most `limit`). It follows the
// branches of stepCasts; the steps of the ticks skipped still run, all in the later tick.
int quietTicks(const Game& game, int limit)
{
    const StageState& st = game.stage;
    const CastList& casts = game.casts;
    const int count = st.AnimCount;
    int first = limit + 1;  // the first coming tick that may change something
    const auto soon = [&first](int ticks) {
        if (ticks > 0 && ticks < first)
            first = ticks;
    };
    soon(CountLimit - count + 1);
    for (int i = casts.CastCount; i >= 1; --i) {
        const CastRecord& c = casts[i];
        if (c.Active != 1 || c.MoveMode < 0)
            continue;
        if (steppedInView(st, c, st.ViewX, st.ViewY)) {
            if (frameStepChanges(c))
                soon(ticksUntilDue(count, c.FrameInterval));
            if (driftChanges(c))
                soon(ticksUntilDue(count, c.DriftInterval));
            if (c.MoveMode > 0 && moveChanges(c))
                soon(ticksUntilDue(count, c.MoveInterval));
            if (c.MoveMode == 21 && c.WrapArmed == 0)
                soon(1);
        } else if (c.MoveMode == 11 && moveChanges(c)) {
            soon(ticksUntilDue(count, c.MoveInterval));
        } else if (c.MoveMode == 21) {
            soon(c.WrapArmed == 1 ? 1 : ticksUntilDue(count, c.WrapTime));
        } else if (c.MoveMode == 31) {
            soon(1);
        }
    }
    return first - 1;
}

// The intervals of a rest passed under the stage as it was when the rest began, whatever
// changed since: they only counted, and drew the random numbers of the drifts that fell
// due on the casts then in view (drifts of a kind that moves nothing still draw).
void passRestedTicks(Game& game, int ticks)
{
    StageState& st = game.stage;
    for (int tick = 0; tick < ticks; ++tick) {
        ++st.AnimCount;  // a rest never reaches the counter's wrap
        for (int i = int(st.restCasts.size()) - 1; i >= 1; --i) {
            const CastRecord& c = st.restCasts[i];
            if (steppedInView(st, c, st.restViewX, st.restViewY) && due(st.AnimCount, c.DriftInterval))
                game.random.next();
        }
    }
}

} // namespace

void AnimTick(Game& game)
{
    form::Timer& timer = game.frmMain->tmrAnim;
    passRestedTicks(game, timer.elapsedTicks() - 1);
    std::vector<DrawnCast> drawn;
    stepCasts(game, drawn);
    drawStage(game, drawn);

    const int rest = quietTicks(game, MaxRestTicks);
    if (rest > 0) {
        game.stage.restCasts = game.casts.Casts;
        game.stage.restViewX = game.stage.ViewX;
        game.stage.restViewY = game.stage.ViewY;
        timer.skipTicks(rest);
    }
}

bool StageChangedWhileResting(Game& game)
{
    const StageState& st = game.stage;
    if (game.casts.Casts != st.restCasts || !stageAsShown(game, st.shownCasts))
        return true;
    // A face copied into a drawn cast's picture.
    for (const DrawnCast& d : st.shownCasts) {
        const form::PictureBox* cell = game.frmMain->picCell.find(d.cell);
        if ((cell ? cell->picture().cacheKey() : 0) != d.pictureKey)
            return true;
    }
    return false;
}
