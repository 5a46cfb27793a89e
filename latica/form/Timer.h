#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

namespace form {

// A timer control: ticks every Interval milliseconds of the time source while enabled.
// An interval of 0 stops it, as a disabled timer.
class Timer : public QObject {
public:
    explicit Timer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    ~Timer() override;

    std::function<void()> onTick;

    // Re-reads the time source's speed factor (tests change it).
    void applySpeed();

    // Lets the ticks of the next `count` intervals fall together into one later tick, for
    // a handler that knows they would change nothing. While they rest, wakeWhen is asked
    // after every event handler and before the program sleeps: true brings the tick back
    // to the next interval. The tick stands for elapsedTicks() intervals: all but the last
    // passed in the rest, before whatever woke it, and the handler counts them as the
    // state was when it began to rest; the last is the one step of the state as it is.
    void skipTicks(int count);
    int elapsedTicks() const { return m_elapsed; }
    bool isSkipping() const { return m_skipping > 0; }
    std::function<bool()> wakeWhen;

    // Asks every resting timer whether it must wake (the event pump calls this).
    static void checkResting();

private:
    void restart();
    void wake();
    void fire();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
    int m_skipping = 0;        // intervals the coming tick stands for, less one
    double m_restStart = 0;    // time-source seconds when the rest began
    int m_elapsed = 1;
};

} // namespace form
