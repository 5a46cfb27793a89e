#pragma once
#include <QString>

// The open crossword readers and the import give up at the first fault: `refuse` throws
// the reason, and their entry point catches it and returns it as the error.
struct Refused {
    QString reason;
};

[[noreturn]] inline void refuse(const QString& reason)
{
    throw Refused{reason};
}
