#pragma once
#include <QElapsedTimer>

namespace form {

// The one time source of the program. It serves the seconds-since-midnight clock, the
// monotonic clock that waits measure against, and every timer interval. Tests speed it
// up with a factor so that long flows run in a fraction of real time.
class Clock {
public:
    static Clock& instance();

    // Seconds since midnight, with fractions; wraps at 86400.
    double secondsSinceMidnight() const;
    // Whole seconds since midnight, rounded to the nearest second (86400 reads as 0).
    int wholeSecondsSinceMidnight() const;
    // Seconds since the clock started, never going back; scaled by the speed factor.
    double monotonicSeconds() const;

    // Real milliseconds that pass while the clock advances by `ms`.
    int toRealMs(double ms) const;

    double speed() const { return m_speed; }
    // Test hooks: run time faster, and make the clock read a given time of day now.
    void setSpeed(double factor);
    void setTimeOfDay(double secondsSinceMidnight);
    void resetForTest();

private:
    Clock();
    double realElapsed() const;

    QElapsedTimer m_timer;
    double m_speed = 1.0;
    double m_scaledBase = 0;      // scaled seconds accumulated before the last speed change
    double m_realBase = 0;        // real seconds at the last speed change
    bool m_dayOverridden = false;
    double m_dayAtZero = 0;       // time of day when monotonicSeconds() read 0
};

} // namespace form
