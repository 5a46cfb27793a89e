#include "Timer.h"

#include "Clock.h"
#include "Pump.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace form {

namespace {
std::vector<Timer*> g_resting;

void stopResting(Timer* timer)
{
    g_resting.erase(std::remove(g_resting.begin(), g_resting.end(), timer), g_resting.end());
}
} // namespace

Timer::Timer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { fire(); });
}

Timer::~Timer()
{
    stopResting(this);
}

void Timer::fire()
{
    m_elapsed = m_skipping + 1;
    if (m_skipping > 0) {
        m_skipping = 0;
        stopResting(this);
        m_timer.start(std::max(1, Clock::instance().toRealMs(m_interval)));
    }
    if (onTick)
        runHandler(onTick);
    m_elapsed = 1;
}

void Timer::skipTicks(int count)
{
    if (!m_enabled || m_interval == 0 || count <= 0)
        return;
    stopResting(this);
    g_resting.push_back(this);
    m_skipping = count;
    m_restStart = Clock::instance().monotonicSeconds();
    m_timer.start(std::max(1, Clock::instance().toRealMs(m_interval * (count + 1))));
}

// The tick comes at the next interval boundary of the rest, standing for the intervals
// passed by then; the timer no longer asks to wake.
void Timer::wake()
{
    const double passedMs = (Clock::instance().monotonicSeconds() - m_restStart) * 1000.0;
    const int intervals = std::min(m_skipping + 1, static_cast<int>(std::floor(passedMs / m_interval)) + 1);
    m_skipping = intervals - 1;
    stopResting(this);
    const double leftMs = intervals * static_cast<double>(m_interval) - passedMs;
    m_timer.start(std::max(1, Clock::instance().toRealMs(leftMs)));
}

void Timer::checkResting()
{
    if (g_resting.empty())
        return;
    // A check may end other rests: walk a copy.
    const std::vector<Timer*> resting = g_resting;
    for (Timer* timer : resting) {
        if (std::find(g_resting.begin(), g_resting.end(), timer) == g_resting.end())
            continue;
        if (!timer->wakeWhen || timer->wakeWhen())
            timer->wake();
    }
}

void Timer::setInterval(int ms)
{
    m_interval = ms < 0 ? 0 : ms;
    restart();
}

void Timer::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    restart();
}

void Timer::applySpeed()
{
    restart();
}

void Timer::restart()
{
    m_skipping = 0;
    stopResting(this);
    if (!m_enabled || m_interval == 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(std::max(1, Clock::instance().toRealMs(m_interval)));
}

} // namespace form
