#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace norda {

struct ImportResult {
    QString messages;     // "FILE: error: ..." and "FILE: warning: ...", one a line
    int errors = 0, warnings = 0;
    QByteArray playFile;  // empty when an input has errors
};

// Imports open crossword files (.ipuz, .puz) into one play file, their puzzles in the
// order given. The file's title is `title`, else the first puzzle's. Every puzzle must
// play in the same keypad mode. Text CP932 cannot hold: a Latin letter with marks becomes
// its base letter (a warning naming the clue); anything else is an error naming it.
ImportResult importPlayFile(const QStringList& paths, const QString& title);

} // namespace norda
