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

    std::function<void()> onTick;

    // Re-reads the time source's speed factor (tests change it).
    void applySpeed();

private:
    void restart();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace form
