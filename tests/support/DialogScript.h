#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

// Answers the game's modal boxes and open dialogs as a player would, in order, and
// records what they showed. Uninstalls itself when destroyed.
class DialogScript {
public:
    DialogScript();
    ~DialogScript();

    // Message boxes: the button code to press next (1 OK, 2 Cancel, 6 Yes, 7 No).
    void answer(int code) { m_answers.push_back(code); }
    // Open dialogs: the file to choose next; an empty path cancels.
    void choose(const QString& path) { m_files.push_back(path); }

    QStringList titles;   // every message box's title, in order
    QStringList bodies;
    // Runs as each message box shows, before it is answered (a test looks around).
    std::function<void()> probe;
    int dialogsShown = 0;
    // Off: boxes beyond the answers given take their default button, and answers or
    // choices left over are no failure (a run whose course is not known beforehand).
    bool strict = true;

private:
    std::deque<int> m_answers;
    std::deque<QString> m_files;
};
