#include <gtest/gtest.h>

#include "effects/EffectTables.h"

namespace {

// An offset lies in 1 - a \ 2 .. a - a \ 2 for every amplitude, both ends reached.
TEST(EffectTables, ShakeOffsetsSpanTheirRange)
{
    for (int code = 1; code <= 5; ++code) {
        const int a = effects::shakeAmplitude(code);
        SCOPED_TRACE(a);
        EXPECT_EQ(effects::shakeOffset(a, 0.0), 1 - a / 2);
        EXPECT_EQ(effects::shakeOffset(a, 0.999999), a - a / 2);
        EXPECT_EQ(effects::shakeOffset(a, 0.999999) - effects::shakeOffset(a, 0.0), a - 1);
    }
    EXPECT_EQ(effects::shakeOffset(6, 0.0), -2);
    EXPECT_EQ(effects::shakeOffset(6, 0.99), 3);
}

TEST(EffectTables, RoundingTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(effects::roundToInt(0.5), 0);
    EXPECT_EQ(effects::roundToInt(1.5), 2);
    EXPECT_EQ(effects::roundToInt(2.5), 2);
    EXPECT_EQ(effects::roundToInt(-0.5), 0);
    EXPECT_EQ(effects::roundToInt(-1.5), -2);
    EXPECT_EQ(effects::roundToInt(-2.6), -3);
    EXPECT_EQ(effects::roundToInt(146.53), 147);
}

// A word wider than the stage has no free room: it makes no steps rather than running
// backwards.
TEST(EffectTables, ASlideWithoutRoomMakesNoSteps)
{
    for (const int direction : {2, 4, 6, 8})
        EXPECT_LE(effects::slidePath(direction, 100, 40, 300, 60, 2).steps, 0) << direction;
    EXPECT_EQ(effects::slidePath(5, 100, 40, 10, 10, 2).steps, 0);
}

} // namespace
