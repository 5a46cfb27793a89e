#include <gtest/gtest.h>

#include <functional>

#include "cast/Anim.h"
#include "cast/Cast.h"
#include "cast/GalFace.h"
#include "form/Clock.h"
#include "stage/FollowCast.h"
#include "support/GameFixture.h"

namespace {

// A stage of 100 x 80 on a world of the given size, with hand-made casts.
class AnimTest : public GameFixture {
protected:
    void stage(int worldWidth, int worldHeight)
    {
        SetStageRect(game, 10, 10, 100, 80);
        SetWorldSize(game, worldWidth, worldHeight, 1);
        game.frmMain->picWorld->canvas().fill(qRgb(10, 20, 30));
    }

    // A cast of 4 x 4 with two frames: frame 1 red, frame 2 green; the mask lets the
    // background through in the left column only.
    int addCast(int x, int y)
    {
        QImage strip(8, 8, QImage::Format_RGB32);
        strip.fill(qRgb(0, 0, 0));
        for (int f = 0; f < 2; ++f) {
            for (int yy = 0; yy < 4; ++yy) {
                for (int xx = 0; xx < 4; ++xx) {
                    const bool see = xx == 0;
                    strip.setPixel(f * 4 + xx, yy, see ? qRgb(0, 0, 0) : (f == 0 ? qRgb(255, 0, 0) : qRgb(0, 255, 0)));
                    strip.setPixel(f * 4 + xx, 4 + yy, see ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
                }
            }
        }
        CastList& list = game.casts;
        list.Casts.push_back(CastRecord{});
        const int i = ++list.CastCount;
        const int cell = ++list.CellCount;
        if (cell != 1)
            window.picCell.load(cell);
        window.picCell(cell)->setPicture(strip);
        CastRecord& c = list[i];
        c.InUse = 1;
        c.Cell = cell;
        c.Width = c.Height = 4;
        c.X = x;
        c.Y = y;
        c.Active = 1;
        c.Frame = c.LoopFirst = 1;
        c.LoopLast = 2;
        c.FrameInterval = 1000;
        c.DriftInterval = c.MoveInterval = 1;
        c.WrapDelay = 1;
        c.WrapTime = 1;
        return i;
    }

    QRgb pixel(int x, int y) { return window.picStage->canvas().pixel(x, y); }
};

TEST_F(AnimTest, AWorldEqualToTheStageAlwaysShowsItsOrigin)
{
    stage(100, 80);
    EXPECT_EQ(game.stage.ViewMaxX, 0);
    EXPECT_EQ(game.stage.ViewMaxY, 0);
    SetWorldView(game, 30, 40, 0);
    EXPECT_EQ(game.stage.ViewX, 0);
    EXPECT_EQ(game.stage.ViewY, 0);
    SetWorldView(game, -5, 3, 1);
    EXPECT_EQ(game.stage.ViewX, 0);
}

TEST_F(AnimTest, AWorldSmallerThanTheStageGivesTheNegativeMaximum)
{
    stage(60, 50);
    EXPECT_EQ(game.stage.ViewMaxX, -40);
    SetWorldView(game, 0, 0, 0);
    EXPECT_EQ(game.stage.ViewX, -40);
    EXPECT_EQ(game.stage.ViewY, -30);
    SetWorldView(game, 5, 5, 7);  // any other mode: (0, 0), clamped
    EXPECT_EQ(game.stage.ViewX, -40);
}

TEST_F(AnimTest, MaskThenFrameDrawsTheFigureOverTheWorld)
{
    stage(200, 200);
    SetWorldView(game, 50, 60, 0);
    addCast(60, 70);  // at (10, 10) on the stage
    AnimTick(game);
    EXPECT_EQ(pixel(10, 10), qRgb(10, 20, 30)) << "the see-through column shows the world";
    EXPECT_EQ(pixel(11, 10), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(13, 13), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(14, 10), qRgb(10, 20, 30));
    // The next frame is drawn from its own column of the strip.
    game.casts[1].Frame = 2;
    AnimTick(game);
    EXPECT_EQ(pixel(12, 12), qRgb(0, 255, 0));
}

TEST_F(AnimTest, TheLowestNumberIsDrawnOnTop)
{
    stage(200, 200);
    addCast(20, 20);
    addCast(21, 20);
    AnimTick(game);
    game.casts[2].Frame = 2;
    AnimTick(game);
    EXPECT_EQ(pixel(22, 21), qRgb(255, 0, 0)) << "cast 1 over cast 2";
}

TEST_F(AnimTest, AMovedCastLeavesNoTrailAndOnlyItsAreasAreDrawnAgain)
{
    stage(200, 200);
    addCast(20, 20);
    addCast(60, 20);
    AnimTick(game);
    // Something drawn on the stage outside both casts' areas stays: only their areas change.
    window.picStage->canvas().setPixel(90, 70, qRgb(1, 2, 3));
    game.stage.shownKey = window.picStage->canvas().cacheKey();
    game.casts[1].X = 30;
    AnimTick(game);
    EXPECT_EQ(pixel(22, 21), qRgb(10, 20, 30)) << "the place it left shows the world again";
    EXPECT_EQ(pixel(32, 21), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(62, 21), qRgb(255, 0, 0)) << "the cast that stayed is still drawn";
    EXPECT_EQ(pixel(90, 70), qRgb(1, 2, 3));
}

TEST_F(AnimTest, DriftOfAmountOneNeverMoves)
{
    stage(200, 200);
    const int c = addCast(20, 20);
    SetCastDrift(game, c, 6, 1, 1);
    for (int i = 0; i < 200; ++i)
        AnimTick(game);
    EXPECT_EQ(game.casts[c].X, 20);
    SetCastDrift(game, c, 28, 1, 3);
    AnimTick(game);
    EXPECT_EQ(game.casts[c].Y, 23);
    AnimTick(game);
    EXPECT_EQ(game.casts[c].Y, 20) << "the sway goes back to its anchor";
}

TEST_F(AnimTest, AMode21CastOutsideTheViewComesBackAtOnce)
{
    stage(200, 200);
    const int c = addCast(150, 20);  // right of the view, moving right
    SetCastMove(game, c, 21, 6, 1, 2, 30);
    game.casts[c].WrapTime = 1;
    AnimTick(game);
    EXPECT_EQ(game.casts[c].X, -4) << "just left of the view";
    AnimTick(game);
    EXPECT_EQ(game.casts[c].X, -2);
    EXPECT_EQ(game.casts[c].WrapArmed, 1);
    // It walks out on the right, then waits its delay before coming back.
    for (int i = 0; i < 70; ++i)
        AnimTick(game);
    EXPECT_EQ(game.casts[c].X, 100 + 16) << "stops at the edge of the wider view";
    const int leftAt = game.stage.AnimCount;
    while (game.casts[c].X > 0 && game.stage.AnimCount < leftAt + 100)
        AnimTick(game);
    EXPECT_EQ(game.casts[c].X, -4);
    EXPECT_EQ(game.casts[c].WrapArmed, 0);
}

TEST_F(AnimTest, Mode31LeavesAndStopsModeNegativeIsNeverDrawn)
{
    stage(200, 200);
    const int c = addCast(150, 20);
    SetCastMove(game, c, 31, 6, 1, 1, 1);
    AnimTick(game);
    EXPECT_EQ(game.casts[c].Active, 0);
    const int hidden = addCast(5, 5);
    SetCastMove(game, hidden, -1, 6, 1, 1, 1);
    AnimTick(game);
    EXPECT_EQ(pixel(7, 7), qRgb(10, 20, 30));
    EXPECT_EQ(game.casts[hidden].X, 5);
}

TEST_F(AnimTest, TheCounterWrapKeepsAPendingWrapTimesDistance)
{
    stage(200, 200);
    const int c = addCast(500, 20);
    game.casts[c].WrapTime = 1000000 + 7;
    game.stage.AnimCount = 1000000;
    AnimTick(game);
    EXPECT_EQ(game.stage.AnimCount, 1);
    EXPECT_EQ(game.casts[c].WrapTime, 7) << "six ticks away before and after";
}

TEST_F(AnimTest, ZeroIntervalsFromSettersNeverDivideByZero)
{
    stage(200, 200);
    const int c = addCast(20, 20);
    SetCastDrift(game, c, 6, 0, 5);
    SetCastMove(game, c, 1, 6, 0, 3, 0);
    game.casts[c].FrameInterval = 0;
    AnimTick(game);
    EXPECT_EQ(game.casts[c].X, 20);
}

TEST_F(AnimTest, FollowCastEndsForEachDirection)
{
    form::Clock::instance().setSpeed(20);
    stage(400, 400);
    window.tmrAnim.onTick = [this] { AnimTick(game); };
    struct Case { int direction, x, y, stopX, stopY; };
    const Case cases[] = {{6, 10, 30, 200, 0}, {4, 380, 30, 100, 0}, {2, 30, 10, 0, 200}, {8, 30, 380, 0, 100}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.direction);
        game.casts = CastList{};
        const int c = addCast(k.x, k.y);
        SetWorldView(game, k.direction == 4 ? 300 : 0, k.direction == 8 ? 320 : 0, 0);
        SetCastMove(game, c, 11, k.direction, 1, 4, 1);
        StartAnim(game);
        EXPECT_TRUE(FollowCast(game, c, k.stopX, k.stopY));
        StopAnim(game);
        switch (k.direction) {
        case 6: EXPECT_GE(game.stage.ViewX, 200); break;
        case 4: EXPECT_LE(game.stage.ViewX, 100); break;
        case 2: EXPECT_GE(game.stage.ViewY, 200); break;
        case 8: EXPECT_LE(game.stage.ViewY, 100); break;
        }
    }
    form::Clock::instance().setSpeed(1);
}

TEST_F(AnimTest, FollowCastGivesUpWhenTheTimerIsOff)
{
    form::Clock::instance().setSpeed(20);
    stage(400, 400);
    const int c = addCast(10, 30);
    SetCastMove(game, c, 11, 6, 1, 4, 1);
    StopAnim(game);
    EXPECT_FALSE(FollowCast(game, c, 200, 0));
    form::Clock::instance().setSpeed(1);
}

// The animation timer wired as the main window wires it, each tick recorded.
class RestingStage : public AnimTest {
protected:
    RestingStage()
    {
        form::Clock::instance().setSpeed(20);
        stage(100, 80);
        window.tmrAnim.onTick = [this] {
            AnimTick(game);
            ++ticks;
            if (afterTick)
                afterTick();
        };
        window.tmrAnim.wakeWhen = [this] { return StageChangedWhileResting(game); };
    }
    ~RestingStage() override
    {
        StopAnim(game);
        form::Clock::instance().setSpeed(1);
    }

    int ticks = 0;
    std::function<void()> afterTick;
};

TEST_F(RestingStage, TheTimerRestsBetweenStepsAndCountsEveryTick)
{
    const int c = addCast(10, 10);
    game.casts[c].FrameInterval = 30;
    bool inStep = true;
    afterTick = [&] {
        // Frames change at every thirtieth tick, however the ticks came.
        inStep = inStep && game.casts[c].Frame == 1 + (game.stage.AnimCount / 30) % 2;
    };
    StartAnim(game);
    ASSERT_TRUE(form::waitUntil([&] { return game.stage.AnimCount >= 120; }, 30));
    EXPECT_TRUE(inStep);
    EXPECT_LE(ticks, 12) << "two ticks of the timer for thirty of the count";
    EXPECT_EQ(pixel(12, 12), game.casts[c].Frame == 1 ? qRgb(255, 0, 0) : qRgb(0, 255, 0))
        << "the stage shows the frame of the count";
}

TEST_F(RestingStage, ChangesDuringARestAreDrawnAtTheNextInterval)
{
    const int c = addCast(10, 10);
    int changedAt = 0;
    afterTick = [&] {
        if (changedAt == 0 && window.tmrAnim.isSkipping()) {
            SetCastPos(game, c, 40, 30);
            changedAt = game.stage.AnimCount;
        }
    };
    StartAnim(game);
    ASSERT_TRUE(form::waitUntil([&] { return pixel(42, 32) == qRgb(255, 0, 0); }, 30));
    EXPECT_EQ(game.stage.AnimCount, changedAt + 1);

    // Something drawn on the stage between ticks is drawn over at the next one.
    changedAt = 0;
    afterTick = [&] {
        if (changedAt == 0 && window.tmrAnim.isSkipping()) {
            window.picStage->canvas().fill(qRgb(1, 2, 3));
            changedAt = game.stage.AnimCount;
        }
    };
    ASSERT_TRUE(form::waitUntil([&] { return changedAt != 0 && pixel(0, 0) == qRgb(10, 20, 30); }, 30));
    EXPECT_EQ(game.stage.AnimCount, changedAt + 1);

    // A face copied into the cast's picture.
    changedAt = 0;
    afterTick = [&] {
        if (changedAt == 0 && window.tmrAnim.isSkipping()) {
            QImage face = window.picCell(game.casts[c].Cell)->picture();
            face.setPixel(2, 2, qRgb(0, 0, 255));
            window.picCell(game.casts[c].Cell)->setPicture(face);
            changedAt = game.stage.AnimCount;
        }
    };
    ASSERT_TRUE(form::waitUntil([&] { return changedAt != 0 && pixel(42, 32) == qRgb(0, 0, 255); }, 30));
    EXPECT_EQ(game.stage.AnimCount, changedAt + 1);
}

TEST_F(RestingStage, AChangeInTheMiddleOfARestStepsOnlyFromTheNextInterval)
{
    // Slower time, so that the change lands well inside a rest of 0.4 s.
    form::Clock::instance().setSpeed(2);
    const int c = addCast(10, 10);
    StartAnim(game);
    ASSERT_TRUE(form::waitUntil([&] { return window.tmrAnim.isSkipping(); }, 30));
    const int restFrom = game.stage.AnimCount;
    form::waitFor(0.2);
    int changedAt = 0;
    form::runHandler([&] {
        // A walk to the right and the idle loop start together, as a walk-in does.
        SetCastMove(game, c, 11, 6, 1, 2, 1);
        CastRecord& cast = game.casts[c];
        cast.Frame = cast.LoopFirst = 1;
        cast.LoopLast = 2;
        cast.FrameInterval = 1;
        changedAt = game.stage.AnimCount;
    });
    ASSERT_EQ(changedAt, restFrom) << "the rest was still on";
    ASSERT_TRUE(form::waitUntil([&] { return game.stage.AnimCount != changedAt; }, 30));
    EXPECT_GT(game.stage.AnimCount, changedAt + 1) << "the intervals rested are counted";
    EXPECT_EQ(game.casts[c].X, 12) << "one step of the walk, not one per interval rested";
    EXPECT_EQ(game.casts[c].Frame, 2) << "one frame step: a waiter sees every frame";
}

TEST(GalFace, Codes)
{
    EXPECT_EQ(faceAfterCode(QStringLiteral("+1"), 5, 5), 0) << "no step past the last face";
    EXPECT_EQ(faceAfterCode(QStringLiteral("-1"), 1, 5), 0) << "no step below face 1";
    EXPECT_EQ(faceAfterCode(QStringLiteral("+3"), 2, 5), 3) << "any + is one step";
    EXPECT_EQ(faceAfterCode(QStringLiteral("-"), 4, 5), 3);
    EXPECT_EQ(faceAfterCode(QStringLiteral("=5"), 2, 5), 5);
    EXPECT_EQ(faceAfterCode(QStringLiteral("=4"), 4, 5), 0) << "the face shown: nothing";
    EXPECT_EQ(faceAfterCode(QStringLiteral("=9"), 4, 5), 0) << "outside the set";
    EXPECT_EQ(faceAfterCode(QStringLiteral("=0"), 4, 5), 0);
    EXPECT_EQ(faceAfterCode(QStringLiteral("x"), 4, 5), 0);
    EXPECT_EQ(faceAfterCode(QString(), 4, 5), 0);
}

class GalFaceFlow : public GameFixture {
protected:
    GalFaceFlow() { game.casts.CastFileName = QStringLiteral("CastData.csv"); }
};

TEST_F(GalFaceFlow, LoadsTheSetAndCopiesOnlyOnChange)
{
    const int shown = LoadGalCast(game, QStringLiteral("姉"), 5);
    EXPECT_EQ(game.gal.GalFaceNo, 4);
    EXPECT_EQ(game.gal.GalFaces.size(), 6u);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(game.casts[game.gal.GalFaces[i]].Active, 0);
    EXPECT_EQ(game.casts[shown].Active, 1);
    const int cellBefore = game.casts[shown].Cell;
    ChangeGalFace(game, QStringLiteral("=4"));
    EXPECT_EQ(game.casts[shown].Cell, cellBefore) << "nothing copied";
    ChangeGalFace(game, QStringLiteral("+1"));
    EXPECT_EQ(game.gal.GalFaceNo, 5);
    EXPECT_EQ(game.casts[shown].Cell, game.casts[game.gal.GalFaces[5]].Cell);
    ChangeGalFace(game, QStringLiteral("+1"));
    EXPECT_EQ(game.gal.GalFaceNo, 5);
    ChangeGalFace(game, QStringLiteral("=1"));
    EXPECT_EQ(game.casts[shown].Cell, game.casts[game.gal.GalFaces[1]].Cell);
    ChangeGalFace(game, QStringLiteral("-1"));
    EXPECT_EQ(game.gal.GalFaceNo, 1);
}

TEST_F(GalFaceFlow, TheFaceWaitGivesUpWhenTheAdviserNeverReachesFrameOne)
{
    form::Clock::instance().setSpeed(20);
    LoadGalCast(game, QStringLiteral("兄"), 5);
    game.casts[game.gal.GalCast].Frame = 3;
    window.tmrAnim.setEnabled(true);  // running, but nothing advances the frame
    const double start = form::Clock::instance().monotonicSeconds();
    ChangeGalFace(game, QStringLiteral("-1"));
    window.tmrAnim.setEnabled(false);
    EXPECT_GE(form::Clock::instance().monotonicSeconds() - start, GalFrameWaitLimit);
    EXPECT_EQ(game.gal.GalFaceNo, 3) << "the face still changes after the wait";
    form::Clock::instance().setSpeed(1);
}

} // namespace
