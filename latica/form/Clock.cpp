#include "Clock.h"

#include <QTime>
#include <cmath>

namespace form {

Clock& Clock::instance()
{
    static Clock clock;
    return clock;
}

Clock::Clock() { m_timer.start(); }

double Clock::realElapsed() const { return double(m_timer.nsecsElapsed()) / 1e9; }

double Clock::monotonicSeconds() const
{
    return m_scaledBase + (realElapsed() - m_realBase) * m_speed;
}

double Clock::secondsSinceMidnight() const
{
    if (!m_dayOverridden && m_speed == 1.0)
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    double s = std::fmod(m_dayAtZero + monotonicSeconds(), 86400.0);
    return s < 0 ? s + 86400.0 : s;
}

int Clock::wholeSecondsSinceMidnight() const
{
    int s = int(std::lround(secondsSinceMidnight()));
    return s >= 86400 ? s - 86400 : s;
}

int Clock::toRealMs(double ms) const
{
    double real = ms / m_speed;
    return real < 1 && ms > 0 ? 1 : int(std::lround(real));
}

void Clock::setSpeed(double factor)
{
    if (factor <= 0)
        return;
    if (!m_dayOverridden) {
        // Freeze the time of day so that the scaled clock starts from the present.
        m_dayAtZero = QTime::currentTime().msecsSinceStartOfDay() / 1000.0 - monotonicSeconds();
        m_dayOverridden = true;
    }
    m_scaledBase = monotonicSeconds();
    m_realBase = realElapsed();
    m_speed = factor;
}

void Clock::setTimeOfDay(double s)
{
    m_dayAtZero = s - monotonicSeconds();
    m_dayOverridden = true;
}

void Clock::resetForTest()
{
    m_scaledBase = monotonicSeconds();
    m_realBase = realElapsed();
    m_speed = 1.0;
    m_dayOverridden = false;
}

} // namespace form
