#include "EffectFixture.h"

#include "effects/StageEffect.h"

#include <set>

namespace {

class StageEffectTest : public EffectFixture {
protected:
    // The shake runs for one second of the time source whatever its pace; at a gentler
    // speed-up it makes enough steps to reach the ends of its range on a loaded machine.
    void slowerClock() { form::Clock::instance().setSpeed(5); }

    // Waits (bounded) for the animation to draw the stage again.
    bool waitForTick()
    {
        const int count = game.stage.AnimCount;
        return form::waitUntil([&] { return game.stage.AnimCount != count; }, 2.0);
    }
};

TEST_F(StageEffectTest, ShakeMovesAStillSnapshotWithinTheAmplitude)
{
    slowerClock();
    StartAnim(game);
    game.random.seed(7);
    const QImage before = stageImage().copy();
    std::set<int> lefts, tops;
    int snapshotFaults = 0, stageChanged = 0, timerRunning = 0, renderFaults = 0;
    game.effects.onStep = [&] {
        form::PictureBox* spot = window.picSpotStage;
        lefts.insert(spot->left());
        tops.insert(spot->top());
        if (spot->isHidden() || spot->size() != QSize(W(), H()))
            ++snapshotFaults;
        if (spot->canvas() != before)
            ++snapshotFaults;
        // Were the animation running, it would now paint the world's new colour.
        window.picWorld->canvas().fill(Qt::darkCyan);
        timerRunning += window.tmrAnim.isEnabled();
        if (stageImage() != before)
            ++stageChanged;
        // What the player sees: the stage shifted by the overlay's place.
        const QImage seen = window.picStage->grab().toImage();
        const QPoint p(W() / 2, H() / 2);
        if (seen.pixel(p) != patternAt(p.x() - spot->left(), p.y() - spot->top()))
            ++renderFaults;
    };
    const double start = form::Clock::instance().monotonicSeconds();
    ShakeStage(game, 2468, 2, 5);
    EXPECT_GE(form::Clock::instance().monotonicSeconds() - start, 1.0);
    EXPECT_GT(game.effects.LastSteps, 10);
    EXPECT_EQ(snapshotFaults, 0);
    EXPECT_EQ(stageChanged, 0);
    EXPECT_EQ(timerRunning, 0);
    EXPECT_EQ(renderFaults, 0);
    // Amplitude 6 gives offsets -2..3 on both axes.
    EXPECT_EQ(*lefts.begin(), -2);
    EXPECT_EQ(*lefts.rbegin(), 3);
    EXPECT_EQ(*tops.begin(), -2);
    EXPECT_EQ(*tops.rbegin(), 3);

    // Afterwards the overlay is parked and the animation paints the world again.
    EXPECT_TRUE(window.tmrAnim.isEnabled());
    EXPECT_TRUE(window.picSpotStage->isHidden());
    EXPECT_EQ(window.picSpotStage->geometry(), QRect(W(), 0, 1, 1));
    ASSERT_TRUE(waitForTick());
    EXPECT_EQ(stageImage().pixel(5, 5), QColor(Qt::darkCyan).rgb());
}

TEST_F(StageEffectTest, ShakeAlongOneAxisKeepsTheOtherStillAndZeroCodesAreKept)
{
    slowerClock();
    game.random.seed(3);
    std::set<int> lefts, tops;
    game.effects.onStep = [&] {
        lefts.insert(window.picSpotStage->left());
        tops.insert(window.picSpotStage->top());
    };
    ShakeStage(game, 46, 1, 5);
    EXPECT_EQ(tops, std::set<int>{0});
    EXPECT_EQ(lefts, (std::set<int>{0, 1, 2}));  // amplitude 3

    lefts.clear();
    tops.clear();
    ShakeStage(game, 28, 0, 0);
    EXPECT_EQ(lefts, std::set<int>{0});
    EXPECT_EQ(tops, (std::set<int>{0, 1, 2}));

    // All three codes kept: the vertical axis again.
    lefts.clear();
    tops.clear();
    ShakeStage(game, 0, 0, 0);
    EXPECT_EQ(lefts, std::set<int>{0});
    EXPECT_FALSE(tops.empty());
}

TEST_F(StageEffectTest, ShakeStepsArePacedByTheSpeedCode)
{
    ShakeStage(game, 2468, 1, 1);
    // 0.3 s a step within one second.
    EXPECT_GE(game.effects.LastSteps, 1);
    EXPECT_LE(game.effects.LastSteps, 4);
}

TEST_F(StageEffectTest, ShakeWithCodesOutsideTheTablesDoesNothing)
{
    StopAnim(game);
    ShakeStage(game, 0, 1, 1);     // no axis kept yet
    ShakeStage(game, 24, 1, 1);
    ShakeStage(game, 2468, 6, 1);
    ShakeStage(game, 2468, 1, 9);
    EXPECT_EQ(game.effects.LastSteps, 0);
    EXPECT_FALSE(window.tmrAnim.isEnabled());
    EXPECT_TRUE(window.picSpotStage->isHidden());
    EXPECT_EQ(game.effects.ShakeAxis, 0);
}

// After pass k of a stripe wipe, line i of the stage is painted when i % 8 <= k.
TEST_F(StageEffectTest, StripeFillsTheStageInEightInterleavedPasses)
{
    StartAnim(game);
    for (const int axis : {28, 46}) {
        SCOPED_TRACE(axis);
        AnimTick(game);  // the pattern again
        int pass = 0, faults = 0, timerRunning = 0, autoRedraw = 0;
        game.effects.onStep = [&] {
            timerRunning += window.tmrAnim.isEnabled();
            autoRedraw += window.picStage->autoRedraw();
            const QImage& img = stageImage();
            for (int y = 0; y < H(); ++y) {
                for (int x = 0; x < W(); ++x) {
                    const int line = axis == 28 ? x : y;
                    const QRgb want = line % 8 <= pass ? qRgb(255, 255, 255) : patternAt(x, y);
                    faults += img.pixel(x, y) != want;
                }
            }
            ++pass;
        };
        StripeStage(game, axis, 7, 0.1);
        game.effects.onStep = nullptr;
        EXPECT_EQ(pass, 8);
        EXPECT_EQ(faults, 0);
        EXPECT_EQ(timerRunning, 0);
        EXPECT_EQ(autoRedraw, 0);
        EXPECT_TRUE(window.picStage->autoRedraw());
        EXPECT_TRUE(window.tmrAnim.isEnabled());
        // The whole stage is white now, until the animation paints over it.
        EXPECT_EQ(stageImage().pixel(W() - 1, H() - 1), qRgb(255, 255, 255));
        ASSERT_TRUE(waitForTick());
        EXPECT_EQ(stageImage().pixel(W() - 1, H() - 1), patternAt(W() - 1, H() - 1));
    }
}

TEST_F(StageEffectTest, StripeKeepsItsColourAndIgnoresOtherAxes)
{
    StripeStage(game, 28, 4, 0);
    EXPECT_EQ(stageImage().pixel(3, 3), qRgb(0, 0, 255));
    AnimTick(game);
    StripeStage(game, 46, 0, 0);
    EXPECT_EQ(stageImage().pixel(3, 3), qRgb(0, 0, 255));

    AnimTick(game);
    StopAnim(game);
    game.effects.LastSteps = 0;
    StripeStage(game, 2468, 1, 0);
    StripeStage(game, 28, 9, 0);
    EXPECT_EQ(game.effects.LastSteps, 0);
    EXPECT_EQ(game.effects.StripeColour, 4);
    EXPECT_EQ(stageImage().pixel(3, 3), patternAt(3, 3));
    EXPECT_FALSE(window.tmrAnim.isEnabled());
}

} // namespace
