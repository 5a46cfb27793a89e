#include <gtest/gtest.h>

#include "form/Clock.h"
#include "form/Pump.h"
#include "form/Timer.h"

#include <vector>

namespace {

// A 10 ms timer at twenty times the pace; each tick records how many intervals it
// stands for, and the first one rests for `rest` intervals.
class RestingTimer : public ::testing::Test {
protected:
    RestingTimer() { form::Clock::instance().setSpeed(20); }
    ~RestingTimer() override
    {
        timer.setEnabled(false);
        form::Clock::instance().setSpeed(1);
    }

    void start(int rest)
    {
        timer.onTick = [this, rest] {
            ticks.push_back(timer.elapsedTicks());
            if (ticks.size() == 1)
                timer.skipTicks(rest);
        };
        timer.setInterval(10);
        timer.setEnabled(true);
    }
    bool waitForTicks(size_t count)
    {
        return form::waitUntil([&] { return ticks.size() >= count; }, 30);
    }

    form::Timer timer;
    std::vector<int> ticks;
};

TEST_F(RestingTimer, TheTickAfterARestStandsForEveryIntervalOfIt)
{
    timer.wakeWhen = [] { return false; };
    start(4);
    ASSERT_TRUE(waitForTicks(3));
    EXPECT_EQ(ticks[0], 1);
    EXPECT_EQ(ticks[1], 5);
    EXPECT_EQ(ticks[2], 1) << "back to one interval a tick";
}

TEST_F(RestingTimer, WithoutAWakeCheckAnyHandlerEndsTheRest)
{
    start(50);
    ASSERT_TRUE(waitForTicks(2));
    EXPECT_EQ(ticks[1], 1) << "the handler that rested is itself a handler";
}

TEST_F(RestingTimer, AWakeCheckThatHoldsBringsTheNextIntervalsTick)
{
    bool changed = false;
    timer.wakeWhen = [&] { return changed; };
    start(50);
    ASSERT_TRUE(form::waitUntil([&] { return timer.isSkipping(); }, 30));
    form::runHandler([&] { changed = true; });
    ASSERT_TRUE(waitForTicks(2));
    EXPECT_LT(ticks[1], 51) << "woken before the rest ran out";
}

TEST_F(RestingTimer, StoppingTheTimerEndsTheRest)
{
    timer.wakeWhen = [] { return false; };
    start(50);
    ASSERT_TRUE(form::waitUntil([&] { return timer.isSkipping(); }, 30));
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isSkipping());
    timer.setEnabled(true);
    ASSERT_TRUE(waitForTicks(2));
    EXPECT_EQ(ticks[1], 1);
}

TEST_F(RestingTimer, ASkipOnAStoppedTimerDoesNothing)
{
    timer.setInterval(10);
    timer.skipTicks(5);
    EXPECT_FALSE(timer.isSkipping());
    EXPECT_EQ(timer.elapsedTicks(), 1);
}

} // namespace
