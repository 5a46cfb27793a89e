#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <type_traits>
#include <string>
#include <vector>

struct Game;
class MainForm;
class Watch;
class QWidget;

// A careless player. Its steps come from its seed number alone: clicks on the talk boxes, menu
// items, input field, commands, cells and dial of the main window, keys, a word's answer
// typed, time away, the close box, Alt+F4. Each goes through the window system's path
// (mouse and key events to the window, which finds the control under the pointer or the
// focused one), so a hidden control is never hit. While a box is up the steps answer it:
// a button, Escape or its close box. Steps wait their delay on the time source; a calm
// step also waits until the game waits for the player. Every step is logged with the
// state it was sent in.
class Monkey : public QObject {
public:
    enum Kind { TalkBox, Menu, Input, Command, Cell, Dial, Anywhere, Key, Answer, Away, Close, AltF4 };
    struct Step {
        Kind kind;
        uint32_t pick;  // which control, key, word or answer; resolved when sent
        double delay;   // seconds of the time source after the step before
        bool calm;
    };
    static std::vector<Step> plan(uint64_t seed, int count);

    Monkey(Game& game, MainForm& window, Watch& watch, uint64_t seed, int steps, double speed);
    void start();
    // The step being handled ends the program by itself (close box, Alt+F4, the end label
    // before play), or the monkey gave up on a run that would not end.
    bool endedByPlayer() const { return m_forced || (!m_direct.empty() && m_direct.back()); }

    std::string log;                                 // one line per step
    std::function<void(const std::string&)> echo;    // the log as it grows
    std::map<std::string, int> phases;               // steps sent per phase of the game

protected:
    bool event(QEvent* event) override;

private:
    struct Target {
        QString name;
        int group;
        QPoint at;  // window coordinates
        bool shown;
        const void* object;
    };
    std::vector<Target> targets() const;
    void poll();
    bool settled() const;
    std::string phase() const;
    std::string state() const;
    void send(const Step& step);
    void note(const std::string& text);
    void click(const Step& step);
    void clickAt(QPoint at);
    void answerBox(uint32_t pick);
    void typeAnswer(uint32_t pick);
    void key(int qtKey, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void forceEnd();

    Game& game;
    MainForm& window;
    Watch& watch;
    std::vector<Step> m_plan;
    std::mt19937 m_closing;  // picks for the steps after the plan
    double m_speed;
    QTimer m_poll;
    size_t m_next = 0;
    bool m_posted = false, m_closeSent = false, m_forced = false;
    double m_lastSent = 0, m_awayUntil = -1;
    QElapsedTimer m_real;
    std::vector<bool> m_direct;  // steps in progress, innermost last: ends by themselves
};
