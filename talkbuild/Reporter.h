#pragma once
#include <QString>

namespace tb {

// Where a run shows what it does: the window's labels and surface, or standard error.
class Reporter {
public:
    virtual ~Reporter() = default;
    // The stage now running (lblNowCommand).
    virtual void progress(const QString& text) = 0;
    // One error line (printed on the window's surface).
    virtual void print(const QString& line) = 0;
    // Time of day at the start and at the end of the run (lblTime).
    virtual void startTime(const QString& time) = 0;
    virtual void endTime(const QString& time) = 0;
    // The run went through every stage.
    virtual void allEnd() = 0;
};

} // namespace tb
