#include "Pump.h"
#include "Clock.h"
#include "Timer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace form {

namespace {
std::function<void(int)> g_endHandler;
bool g_ended = false;

void checkEnded()
{
    if (g_ended)
        throw ProgramEnded();
}

// Lets events run until the next one arrives or the deadline passes.
void sleepForEvents(double deadline)
{
    Timer::checkResting();
    QTimer wake;
    if (deadline >= 0) {
        double left = deadline - Clock::instance().monotonicSeconds();
        if (left <= 0)
            return;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        wake.start(Clock::instance().toRealMs(left * 1000.0));
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    checkEnded();
}
} // namespace

void endProcess(int code)
{
    g_ended = true;
    if (g_endHandler)
        g_endHandler(code);
    if (!g_endHandler) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    throw ProgramEnded();
}

void setEndProcessHandler(std::function<void(int)> handler) { g_endHandler = std::move(handler); }
bool programEnded() { return g_ended; }
void resetProgramEnded() { g_ended = false; }

void runHandler(const std::function<void()>& handler)
{
    if (g_ended)
        return;
    try {
        handler();
    } catch (const ProgramEnded&) {
        g_ended = true;
    }
    // What the handler changed may end a timer's rest.
    Timer::checkResting();
}

void doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    checkEnded();
}

bool waitUntil(const std::function<bool()>& done, double timeoutSeconds)
{
    const Clock& clock = Clock::instance();
    double deadline = timeoutSeconds >= 0 ? clock.monotonicSeconds() + timeoutSeconds : -1;
    checkEnded();
    while (!done()) {
        if (deadline >= 0 && clock.monotonicSeconds() >= deadline)
            return false;
        sleepForEvents(deadline);
    }
    return true;
}

void waitFor(double seconds)
{
    const Clock& clock = Clock::instance();
    double deadline = clock.monotonicSeconds() + seconds;
    checkEnded();
    while (clock.monotonicSeconds() < deadline)
        sleepForEvents(deadline);
}

} // namespace form
