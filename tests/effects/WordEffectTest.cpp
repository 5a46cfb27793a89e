#include "EffectFixture.h"

#include "effects/WordEffect.h"
#include "form/Color.h"

#include <vector>

namespace {

// What the word labels looked like after one step of a word effect.
struct WordStep {
    int x, y, width, height;
    int shadowX, shadowY;
    double points;
    form::Colour colour;
    bool shown;           // both labels visible and enabled
    bool shadowBelow;     // the shadow lies under the word in z-order
    form::Container* container;
};

class WordEffectTest : public EffectFixture {
protected:
    // Follows every step of the effects run inside f.
    template <typename F>
    std::vector<WordStep> record(F f)
    {
        std::vector<WordStep> steps;
        game.effects.onStep = [&] {
            form::Label* shadow = window.lblWordEf(0);
            form::Label* word = window.lblWordEf(1);
            const auto& order = word->container()->controls();
            const auto pos = [&](form::Label* l) {
                return std::find(order.begin(), order.end(), l) - order.begin();
            };
            steps.push_back({word->left(), word->top(), word->width(), word->height(),
                             shadow->left(), shadow->top(), word->font().size, word->foreColor(),
                             word->isVisible() && shadow->isVisible() && word->isEnabled() &&
                                 shadow->isEnabled(),
                             pos(shadow) < pos(word), word->container()});
        };
        f();
        game.effects.onStep = nullptr;
        return steps;
    }

    void expectParked()
    {
        for (int i = 0; i <= 1; ++i) {
            form::Label* l = window.lblWordEf(i);
            SCOPED_TRACE(i);
            EXPECT_FALSE(l->isVisible());
            EXPECT_FALSE(l->isEnabled());
            EXPECT_EQ(l->rect(), QRect(-1, -1, 1, 1));
            EXPECT_EQ(l->caption(), QString());
            EXPECT_EQ(l->font().size, 1);
            EXPECT_EQ(l->container(), window.picStage);
        }
    }

    static int redPixels(const QImage& image, const QRect& area)
    {
        int count = 0;
        for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
            for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
                if (image.pixel(x, y) == qRgb(255, 0, 0))
                    ++count;
        return count;
    }
};

class TallStageTest : public WordEffectTest {
protected:
    void SetUp() override { EffectFixture::SetUp(385, 700); }
};

TEST_F(WordEffectTest, InitParksBothLabelsAndSetsTheShadowOffset)
{
    window.lblWordEf(1)->setCaption(QStringLiteral("残り"));
    window.lblWordEf(1)->setVisible(true);
    window.lblWordEf(0)->setContainer(window.picSpotStage);
    game.effects.ShadowOffset = 0;
    InitWordEffect(game);
    expectParked();
    EXPECT_EQ(game.effects.ShadowOffset, 2);
}

TEST_F(TallStageTest, ZoomUpGrowsToTheEndSizeRisingTenPixelsAStep)
{
    const auto steps = record([&] { ZoomUpWord(game, QStringLiteral("姉"), 1, 1, 2); });
    // 16 to 76 points in steps of 2.
    ASSERT_EQ(steps.size(), 31u);
    int expectedY = H() / 2;
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        const WordStep& s = steps[i];
        expectedY -= 10;
        EXPECT_EQ(s.points, 16 + 2 * int(i));
        EXPECT_EQ(s.y, expectedY);
        EXPECT_EQ(s.shadowX, s.x + 2);
        EXPECT_EQ(s.shadowY, s.y + 2);
        EXPECT_EQ(s.colour, 0x0000FFu);
        EXPECT_TRUE(s.shown);
        EXPECT_TRUE(s.shadowBelow);
        // Centred by the width the word had before this step made it grow.
        if (i > 0) {
            EXPECT_EQ(s.x, (W() - steps[i - 1].width) / 2);
            EXPECT_GE(s.width, steps[i - 1].width);
        }
    }
    EXPECT_GT(steps.back().width, steps.front().width);
    expectParked();
}

TEST_F(TallStageTest, GrowthCodeSetsTheEndSizeAndTheStep)
{
    const auto steps = record([&] { ZoomUpWord(game, QStringLiteral("兄"), 2, 2, 3); });
    // From 24 towards 24 + 80 points in steps of 3.
    ASSERT_EQ(steps.size(), 27u);
    EXPECT_EQ(steps.front().points, 24);
    EXPECT_EQ(steps.back().points, 102);
    EXPECT_EQ(steps.front().colour, 0x00FF00u);
    EXPECT_EQ(game.effects.LastSteps, 27);
}

TEST_F(WordEffectTest, ZoomUpOnALowStageStopsOnceTheWordHasLeftTheTop)
{
    const auto steps = record([&] { ZoomUpWord(game, QStringLiteral("母"), 1, 1, 2); });
    ASSERT_GE(steps.size(), 2u);
    EXPECT_LT(steps.size(), 31u);
    const WordStep& last = steps.back();
    const WordStep& before = steps[steps.size() - 2];
    EXPECT_LT(last.y + last.height, 0);
    EXPECT_GE(before.y + before.height, 0);
    expectParked();
}

TEST_F(WordEffectTest, ZoomUpOverTheSpotOverlayDrawsInsideItAndReturnsToTheStage)
{
    ZoomSpot(game, 74, 58, 200, 1);
    ASSERT_FALSE(window.picSpotStage->isHidden());
    int redSeen = 0;
    std::vector<form::Container*> containers;
    game.effects.onStep = [&] {
        containers.push_back(window.lblWordEf(1)->container());
        if (containers.size() == 1) {
            // The word is seen over the overlay, not hidden under it.
            redSeen = redPixels(window.picStage->grab().toImage(), window.lblWordEf(1)->rect());
        }
    };
    ZoomUpWord(game, QStringLiteral("父"), 1, 1, 2);
    game.effects.onStep = nullptr;
    ASSERT_FALSE(containers.empty());
    for (form::Container* c : containers)
        EXPECT_EQ(c, window.picSpotStage);
    EXPECT_GT(redSeen, 10);
    expectParked();
}

TEST_F(WordEffectTest, ZeroCodesReuseTheKeptValuesOfEachEffect)
{
    const auto first = record([&] { ZoomUpWord(game, QStringLiteral("あ"), 5, 2, 4); });
    const auto again = record([&] { ZoomUpWord(game, QStringLiteral("あ"), 0, 0, 0); });
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again.size(), first.size());
    EXPECT_EQ(again.front().points, 24);
    EXPECT_EQ(again.front().colour, 0xFF00FFu);
    EXPECT_EQ(again[1].points - again[0].points, 4);

    // One new code, the others kept.
    const auto mixed = record([&] { ZoomUpWord(game, QStringLiteral("あ"), 3, 0, 0); });
    ASSERT_FALSE(mixed.empty());
    EXPECT_EQ(mixed.front().colour, 0x00FFFFu);
    EXPECT_EQ(mixed.front().points, 24);

    // The slide keeps its own codes, untouched by the zoom.
    const auto slide = record([&] { SlideWord(game, QStringLiteral("い"), 4, 6, 1, 3); });
    const auto slideAgain = record([&] { SlideWord(game, QStringLiteral("い"), 4, 0, 0, 0); });
    ASSERT_GE(slideAgain.size(), 2u);
    EXPECT_EQ(slideAgain.size(), slide.size());
    EXPECT_EQ(slideAgain.front().points, 8);
    EXPECT_EQ(slideAgain.front().colour, 0xFFFF00u);
    EXPECT_EQ(slideAgain[0].x - slideAgain[1].x, 4);
}

TEST_F(WordEffectTest, CallsWithCodesOutsideTheTablesDoNothing)
{
    const auto none = record([&] {
        ZoomUpWord(game, QStringLiteral("x"), 1, 1, 0);  // no growth kept yet
        ZoomUpWord(game, QStringLiteral("x"), 9, 1, 2);
        ZoomUpWord(game, QStringLiteral("x"), 1, 6, 2);
        ZoomUpWord(game, QStringLiteral("x"), 1, 1, -1);
        SlideWord(game, QStringLiteral("x"), 5, 1, 2, 2);
        SlideWord(game, QStringLiteral("x"), 0, 1, 2, 2);
        SlideWord(game, QStringLiteral("x"), 4, 1, 2, 6);
    });
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(game.effects.ZoomWordColour, 0);
    EXPECT_EQ(game.effects.ZoomWordSize, 0);
    EXPECT_EQ(game.effects.SlideWordSpeed, 0);
    expectParked();
}

TEST_F(WordEffectTest, SlideLeftCrossesTheStageAndRunsOnPastTheMiddle)
{
    const auto steps = record([&] { SlideWord(game, QStringLiteral("姉"), 4, 1, 2, 2); });
    ASSERT_FALSE(steps.empty());
    const int w = steps.front().width;
    const int h = steps.front().height;
    EXPECT_EQ(steps.front().points, 12);
    EXPECT_EQ(int(steps.size()), 3 * (((W() - w) / 2) / 2));
    EXPECT_EQ(steps.front().x, W() - w + 64 - 2);
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(steps[i].y, (H() - h) / 2);
        EXPECT_EQ(steps[i].shadowX, steps[i].x + 2);
        EXPECT_EQ(steps[i].shadowY, steps[i].y + 2);
        EXPECT_TRUE(steps[i].shown);
        EXPECT_EQ(steps[i].container, window.picStage);
        if (i > 0) {
            EXPECT_EQ(steps[i - 1].x - steps[i].x, 2);
        }
    }
    // Three halves of the free width from its start, 64 pixels right of its resting
    // place: it ends left of the middle.
    const int freeWidth = W() - w;
    EXPECT_LT(steps.back().x, freeWidth / 2);
    EXPECT_NEAR(steps.back().x, 64 - freeWidth / 2, 6);
    expectParked();
}

TEST_F(WordEffectTest, SlidesInEveryDirectionMoveTheRightWayAndStopWhereTheyShould)
{
    struct Case { int direction, dx, dy; };
    for (const Case c : {Case{2, 0, 4}, Case{6, 4, 0}, Case{8, 0, -4}}) {
        SCOPED_TRACE(c.direction);
        const auto steps = record([&] { SlideWord(game, QStringLiteral("ゆ"), c.direction, 2, 1, 3); });
        ASSERT_GE(steps.size(), 2u);
        const int w = steps.front().width;
        const int h = steps.front().height;
        for (size_t i = 1; i < steps.size(); ++i) {
            EXPECT_EQ(steps[i].x - steps[i - 1].x, c.dx);
            EXPECT_EQ(steps[i].y - steps[i - 1].y, c.dy);
        }
        if (c.direction == 2) {
            EXPECT_EQ(steps.front().y, -8 + 4);
            EXPECT_EQ(steps.front().x, (W() - w) / 2);
            // Stops within one step above the middle, less the start's 8 pixels.
            EXPECT_LE(steps.back().y, (H() - h) / 2 - 8);
            EXPECT_GT(steps.back().y, (H() - h) / 2 - 8 - 4);
        } else if (c.direction == 8) {
            EXPECT_EQ(steps.front().y, H() - h + 8 - 4);
            EXPECT_GE(steps.back().y, H() - h + 8 - (H() - h) / 2);
            EXPECT_LT(steps.back().y, H() - h + 8 - (H() - h) / 2 + 4);
        } else {
            EXPECT_EQ(steps.front().x, -64 + 4);
            EXPECT_EQ(int(steps.size()), 3 * (((W() - w) / 2) / 4));
        }
        expectParked();
    }
}

} // namespace
