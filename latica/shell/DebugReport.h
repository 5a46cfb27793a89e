#pragma once
#include <QString>
#include <QStringList>

struct Game;
struct QuesData;

// The eight lines that describe a word for its author.
QStringList debugReportLines(const QuesData& word);
// The block appended to Report.txt: an empty line, the clue, the eight lines.
QStringList debugReportBlock(const QuesData& word);

// The report that WriteDebugReport asks for (F1 during play): shows the current word's
// data and, on OK, appends it to the program folder's Report.txt (CP932, CR LF).
void ShowDebugReport(Game& game);
