#include "EffectFixture.h"

#include "effects/EffectTables.h"
#include "effects/StageEffect.h"

#include <climits>
#include <vector>

namespace {

class SpotEffectTest : public EffectFixture {
protected:
    // The stage area an overlay frame shows, read back from the pattern of its pixels;
    // counts overlay pixels that do not come from the stage at all.
    struct Seen {
        QRect area;
        int foreign = 0;
    };
    Seen seenOnOverlay()
    {
        const QImage& img = window.picSpotStage->canvas();
        Seen seen;
        int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
        for (int y = 0; y < H(); ++y) {
            for (int x = 0; x < W(); ++x) {
                const QRgb pixel = img.pixel(x, y);
                if (!isPattern(pixel)) {
                    ++seen.foreign;
                    continue;
                }
                const QPoint p = decode(pixel);
                x0 = std::min(x0, p.x());
                y0 = std::min(y0, p.y());
                x1 = std::max(x1, p.x());
                y1 = std::max(y1, p.y());
            }
        }
        seen.area = QRect(QPoint(x0, y0), QPoint(x1, y1));
        return seen;
    }
};

TEST_F(SpotEffectTest, InitAndHideParkTheOverlayBesideTheStage)
{
    window.picSpotStage->setBorder(true);
    InitSpotStage(game);
    EXPECT_EQ(window.picSpotStage->parentWidget(), window.picStage);
    EXPECT_EQ(window.picSpotStage->geometry(), QRect(W(), 0, W(), H()));
    EXPECT_FALSE(window.picSpotStage->isEnabled());

    StopAnim(game);
    window.picSpotStage->setGeometry(0, 0, 10, 10);
    window.picSpotStage->show();
    HideSpotStage(game);
    EXPECT_TRUE(window.picSpotStage->isHidden());
    EXPECT_EQ(window.picSpotStage->geometry(), QRect(W(), 0, W(), H()));
    EXPECT_TRUE(window.tmrAnim.isEnabled());
}

TEST_F(SpotEffectTest, ZoomInAndOutShowOneFramePerPercentOfTheLiveStage)
{
    StopAnim(game);
    int frames = 0, timerOff = 0;
    std::vector<int> widths;
    game.effects.onStep = [&] {
        ++frames;
        timerOff += !window.tmrAnim.isEnabled();
        widths.push_back(seenOnOverlay().area.width());
    };
    ZoomSpot(game, 74, 58, 200, 1);
    EXPECT_EQ(frames, 100);
    EXPECT_EQ(timerOff, 0);
    // The shown part shrinks as the zoom grows, down to half the stage around (74, 58).
    EXPECT_EQ(seenOnOverlay().area, QRect(37, 29, 74, 58));
    for (size_t i = 1; i < widths.size(); ++i)
        EXPECT_LE(widths[i], widths[i - 1]);
    EXPECT_FALSE(window.picSpotStage->isHidden());
    EXPECT_EQ(window.picSpotStage->geometry(), QRect(0, 0, W(), H()));
    EXPECT_FALSE(window.tmrAnim.isEnabled());

    frames = 0;
    ZoomSpot(game, 74, 58, 200, 0);
    EXPECT_EQ(frames, 100);
    // Back at 100 %: the overlay is the stage itself.
    EXPECT_EQ(window.picSpotStage->canvas(), stageImage());
    EXPECT_FALSE(window.picSpotStage->isHidden());
    HideSpotStage(game);
}

// Every frame of a zoom around a point at or beyond a corner shows only stage pixels,
// the corner itself included, and exactly the part the zoom asks for.
TEST_F(SpotEffectTest, ZoomNearEveryCornerStaysInsideTheStage)
{
    const std::vector<QPoint> centres{{0, 0}, {W() - 1, 0}, {0, H() - 1}, {W() - 1, H() - 1},
                                      {-40, -40}, {W() + 40, H() + 40}, {3, H() - 2}};
    for (const QPoint c : centres) {
        for (const int mode : {1, 0}) {
            SCOPED_TRACE(testing::Message() << c.x() << "," << c.y() << " mode " << mode);
            // A colour the stage never shows: left over on any pixel a frame did not draw.
            window.picSpotStage->canvas().fill(Qt::green);
            int s = mode == 1 ? 101 : 299;
            int faults = 0, cornerMissed = 0;
            game.effects.onStep = [&] {
                const Seen seen = seenOnOverlay();
                const int w = effects::roundToInt(W() * 100.0 / s);
                const int h = effects::roundToInt(H() * 100.0 / s);
                faults += seen.foreign;
                faults += !QRect(0, 0, W(), H()).contains(seen.area);
                faults += seen.area.width() != w || seen.area.height() != h;
                // The nearest stage corner stays in the picture.
                const QPoint corner(c.x() < W() / 2 ? 0 : W() - 1, c.y() < H() / 2 ? 0 : H() - 1);
                cornerMissed += !seen.area.contains(corner);
                s += mode == 1 ? 1 : -1;
            };
            ZoomSpot(game, c.x(), c.y(), 300, mode);
            game.effects.onStep = nullptr;
            EXPECT_EQ(game.effects.LastSteps, 200);  // 101..300 or 299..100
            EXPECT_EQ(faults, 0);
            EXPECT_EQ(cornerMissed, 0);
        }
    }
}

TEST_F(SpotEffectTest, ZeroZoomReusesTheKeptZoom)
{
    ZoomSpot(game, 20, 20, 150, 1);
    EXPECT_EQ(game.effects.LastSteps, 50);
    ZoomSpot(game, 20, 20, 0, 0);
    EXPECT_EQ(game.effects.LastSteps, 50);
    EXPECT_EQ(game.effects.SpotZoom, 150);
    EXPECT_EQ(game.effects.SpotMode, 0);
}

TEST_F(SpotEffectTest, ZoomWithValuesOutsideItsRangeDoesNothing)
{
    StopAnim(game);
    ZoomSpot(game, 74, 58, 0, 1);   // nothing kept yet
    ZoomSpot(game, 74, 58, 100, 1);
    ZoomSpot(game, 74, 58, -200, 0);
    ZoomSpot(game, 74, 58, 1001, 1);
    ZoomSpot(game, 74, 58, 200, 2);
    EXPECT_EQ(game.effects.LastSteps, 0);
    EXPECT_EQ(game.effects.SpotZoom, 0);
    EXPECT_TRUE(window.picSpotStage->isHidden());
    EXPECT_FALSE(window.tmrAnim.isEnabled());
}

TEST_F(SpotEffectTest, ZoomAfterAShakeFillsTheWholeStage)
{
    ShakeStage(game, 2468, 1, 4);
    ASSERT_EQ(window.picSpotStage->size(), QSize(1, 1));
    ZoomSpot(game, 74, 58, 120, 1);
    EXPECT_EQ(window.picSpotStage->geometry(), QRect(0, 0, W(), H()));
    EXPECT_EQ(seenOnOverlay().foreign, 0);
}

// The source rectangle of a frame for any centre, on and off the stage, and any zoom the
// effect accepts: the zoomed size, and never a pixel outside the stage.
TEST(SpotSourceRect, StaysInsideTheStageForEveryZoomAndCentre)
{
    for (const QSize stage : {QSize(148, 116), QSize(385, 330), QSize(7, 5)}) {
        int faults = 0;
        for (int s = effects::SpotZoomMin; s <= effects::SpotZoomMax; s += 7) {
            for (int cx = -30; cx <= stage.width() + 30; cx += 9) {
                for (int cy = -30; cy <= stage.height() + 30; cy += 11) {
                    const QRect r = effects::spotSourceRect(stage.width(), stage.height(), cx, cy, s);
                    faults += !QRect(QPoint(0, 0), stage).contains(r);
                    faults += r.width() != std::max(1, effects::roundToInt(stage.width() * 100.0 / s));
                    faults += r.height() != std::max(1, effects::roundToInt(stage.height() * 100.0 / s));
                }
            }
        }
        EXPECT_EQ(faults, 0) << stage.width() << "x" << stage.height();
    }
    // Centred where it can be: zoom 200 around the middle of the play stage.
    EXPECT_EQ(effects::spotSourceRect(148, 116, 74, 58, 200), QRect(37, 29, 74, 58));
}

} // namespace
