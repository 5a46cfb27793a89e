#pragma once
#include "Puzzle.h"

#include <QByteArray>
#include <QString>

// Reading one puzzle out of a play file. The reader checks what it reads, so that a
// damaged file is reported instead of being trusted.
struct CrossReadResult {
    bool ok = false;
    QString error;  // what is wrong, with the line number where it helps
    Puzzle puzzle;
};

// Largest grid side: what the size display "W99xH99" can show.
constexpr int MaxGridSide = 99;
// Play files are small text files; anything far larger is not one.
constexpr qint64 MaxPlayFileBytes = 32 * 1024 * 1024;

// Reads the section of puzzle n from the bytes of a play file (CP932, CR LF or LF).
CrossReadResult parseCrossFile(const QByteArray& bytes, int n);
// The same from a file.
CrossReadResult readCrossFileAt(const QString& path, int n);

// Cuts the first comma-separated field off the line; an empty field reads as "0".
QString CutField(QString& line);

// Derived tables: the words through each cell, and each word's start, length and answer.
void SetMasQuesNmb(Puzzle& puzzle);
void SetQuesAnswer(Puzzle& puzzle);
