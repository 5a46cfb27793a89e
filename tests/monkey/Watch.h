#pragma once
#include "playfile/Puzzle.h"

#include <QElapsedTimer>
#include <QString>
#include <set>
#include <string>
#include <vector>

struct Game;

// The time source less the time the player spent away (the monkey's jumps): waits and
// stretches without progress are measured on it.
class CalmClock {
public:
    double now() const;
    void beginAway();
    void endAway();
    bool away() const { return m_awaySince >= 0; }

private:
    double m_awayTotal = 0;
    double m_awaySince = -1;
};

// How the player answered a message box.
enum class BoxAnswer { None, Yes, No, Ok, Cancel, Escape, CloseBox };

// What careless play must never do, checked after every handler the game runs and after
// every event the monkey sends. Each fault is kept once, in words, for this seed's report.
class Watch {
public:
    // The play file's puzzles (element 0 unused), where the record and the board file must
    // lie, the puzzles the record holds solved at the start, and whether the record lies in
    // the work folder (the game asks at the end whether to keep it).
    Watch(Game& game, std::vector<Puzzle> puzzles, QString recordPath, QString boardPath,
          std::set<int> solvedAtStart, bool recordInWorkFolder);

    CalmClock clock;
    std::vector<std::string> faults;

    // Cheap checks of the game in memory: talks refused, waits, the puzzle on the board.
    void observe();
    // The record's solved puzzles and the board file.
    void checkFiles();
    // Main has returned: the idle board is a state of rest from now on.
    void setPlaying() { m_playing = true; }
    bool playing() const { return m_playing; }
    // Whether a letter key sent now may write a cell (no talk, flow or box in the way).
    bool boardTakesKeys() const;
    void letterSent(QChar letter);

    void talkFetched(int n);
    // The last talk fetched other than the shared waits and closings (12xx): names the flow.
    int flowTalk() const { return m_flowTalk; }
    void progress();
    void boxShown(const QString& title);
    void boxClosed(const QString& title, BoxAnswer answer);
    // The program ends; `byPlayer` when the event being handled is a direct end (the close
    // box, Alt+F4, the end label before play).
    void programEnding(bool byPlayer);
    void fault(const std::string& text);

private:
    struct MenuAnswer {
        int talk = 0;
        int item = -1;  // 0 timed out; -1 none since the last question
        bool operator==(const MenuAnswer&) const = default;
    };
    bool boardIsPuzzle(int n) const;
    bool enteredOnlyTyped(const QStringList& rows) const;

    Game& game;
    std::vector<Puzzle> m_puzzles;
    QString m_recordPath, m_boardPath;
    std::set<int> m_legitSolved;  // solved at the start, or scored all correct since
    bool m_recordInWorkFolder;
    bool m_playing = false;
    std::set<QChar> m_typed;      // full-width letters sent while the board took keys

    qsizetype m_errorsSeen = 0;
    int m_wait = 0, m_waitTalk = 0, m_waitTicks = 0;
    // Both clocks: the time source runs fast, and a busy machine may stall the process for
    // what is many seconds of it.
    QElapsedTimer m_real;
    double m_waitSince = 0, m_lastProgress = 0;
    qint64 m_waitSinceReal = 0, m_lastProgressReal = 0;
    MenuAnswer m_answer;
    int m_cross = 0, m_flowTalk = 0;
    int m_viewX = 0, m_viewY = 0, m_cursor = 0;  // the stage's view and the board's cursor, as last seen
    BoxAnswer m_keepAnswer = BoxAnswer::None;  // to the keep-or-delete record question
    bool m_declinedAtStart = false;            // a start-up question answered other than Yes
};
