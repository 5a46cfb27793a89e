#include "Timer.h"

#include "Clock.h"
#include "Pump.h"

namespace form {

Timer::Timer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
        if (onTick)
            runHandler(onTick);
    });
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
    if (!m_enabled || m_interval == 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(std::max(1, Clock::instance().toRealMs(m_interval)));
}

} // namespace form
