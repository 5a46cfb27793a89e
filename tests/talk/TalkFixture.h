#pragma once
#include "support/GameFixture.h"

#include "form/Timer.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Plays the player's part while a talk runs: each step waits until its condition holds
// (checked every real millisecond inside the talk's own waiting), then acts once.
class Script {
public:
    Script();
    void when(std::function<bool()> ready, std::function<void()> action);
    bool finished() const { return m_steps.empty(); }

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> action;
    };
    QTimer m_timer;
    std::deque<Step> m_steps;
};

// The main window with the talk engine set up as the stage build sets it (speaking slot
// at 420, 126; narrator "＃", adviser "＋" with cast 1, navigator "÷"), its events wired,
// the talk timer running and time going 20 times faster.
class TalkFixture : public GameFixture {
protected:
    TalkFixture();
    ~TalkFixture() override;

    static constexpr double Speed = 20;

    // Builds talk data with talkbuild from talk texts (each ending without "∴"), numbered
    // 1100, 1101, … in order, and opens it in place of the program's data.
    void useTalks(const QStringList& texts);
    QString talkFolder() const { return m_talkDir.path(); }

    // AdviserTalk under a watchdog: false when the talk had not returned after
    // `limitSeconds` of the time source (the program is then ended to unwind it).
    bool talk(const QString& text, double limitSeconds = 600);
    bool talk(int number, double limitSeconds = 600);

    // A real mouse click in the middle of a windowed control.
    static void clickWidget(QWidget* widget, QPoint at = QPoint(-1, -1));
    // Types text into the input box key by key; Enter with "\r".
    void type(const QString& keys);

    form::PictureBox* box(int n) const { return window.picTalkBox(n); }

    TalkEngine& t;
    QString printed[3];       // characters printed into boxes 1 and 2
    int blinkTicks = 0;       // tmrTalkCursorBlink intervals seen, rested ones included
    int blinkCalls = 0;       // its handler's runs
    std::vector<int> ticksAtTimeOut;  // blinkTicks whenever a timed wait ran out

private:
    template <typename F>
    bool guarded(F run, double limitSeconds);
    QTemporaryDir m_talkDir;
};
