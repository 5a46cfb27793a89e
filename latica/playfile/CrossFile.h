#pragma once
#include "Puzzle.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Reading one puzzle out of a play file. The reader checks what it reads, so that a
// damaged file is reported instead of being trusted.

// One fault of a play file: where it is and what was expected there.
struct PlayFileProblem {
    int line = 0;  // line of the file, from 1; 0 for the file as a whole
    QString message;

    // "line 12: ..." (or the bare message for the file as a whole).
    QString text() const;
};

// Where the parts of a puzzle section stand in the file (lines from 1), so that later
// checks can name the line of a cell or word.
struct CrossSourceLines {
    int marker = 0;
    int counts = 0;                 // level, number of words, first down word
    std::vector<int> kind;          // per cell index
    std::vector<int> answerRow;     // per row 1..MasMaxY (element 0 unused)
    std::vector<int> acrossNmb;     // per cell index
    std::vector<int> downNmb;       // per cell index
    std::vector<int> wordLine;      // per word 1..QuesNmbMax (element 0 unused)
};

struct CrossReadResult {
    bool ok = false;
    QString error;  // the first problem, with the line number where it helps
    Puzzle puzzle;
    // Every problem found, in the order read. A value out of place (a wrong kind, a word
    // starting twice) is noted and reading goes on; a missing or unreadable item stops
    // it, since everything after it would be out of step.
    std::vector<PlayFileProblem> problems;
    bool complete = false;  // the whole section was read and the derived tables are set
    CrossSourceLines lines;
};

// Largest grid side: what the size display "W99xH99" can show.
constexpr int MaxGridSide = 99;
// Play files are small text files; anything far larger is not one.
constexpr qint64 MaxPlayFileBytes = 32 * 1024 * 1024;

// The lines of a play file's bytes (CP932, CR LF or LF). Text that is not CP932 (bytes
// that do not decode, UTF-8, UTF-16) gives a problem naming its first line instead.
struct PlayFileText {
    QStringList lines;
    bool ok = false;
    PlayFileProblem problem;
};
PlayFileText decodePlayFile(const QByteArray& bytes);

// Reads the section of puzzle n from the bytes of a play file.
CrossReadResult parseCrossFile(const QByteArray& bytes, int n);
// The same from the decoded lines.
CrossReadResult parseCrossLines(const QStringList& lines, int n);
// The same from a file.
CrossReadResult readCrossFileAt(const QString& path, int n);

// A cell as the readers' messages name it: "row 3 column 5".
QString cellName(int row, int column);

// Cuts the first comma-separated field off the line; an empty field reads as "0".
QString CutField(QString& line);

// Derived tables: the words through each cell, and each word's start, length and answer.
void SetMasQuesNmb(Puzzle& puzzle);
void SetQuesAnswer(Puzzle& puzzle);
