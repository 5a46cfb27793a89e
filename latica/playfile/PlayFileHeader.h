#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The header of a play file: line 2 holds the keypad mode, line 4 the number of puzzles,
// each as the number at the start of its line.
struct PlayFileHeader {
    bool ok = false;
    QString error;
    int errorLine = 0;   // the line the error is about (from 1), 0 for the file as a whole
    int keypadMode = 0;  // 1 kana entry, 0 letters (any value but 1 in the file)
    int crossCount = 0;
};

// Most puzzles one play file may hold (section markers ";#1" .. ";#9999").
constexpr int MaxCrossCount = 9999;

// The number at the start of a text (blanks before it skipped); 0 when there is none.
int leadingNumber(const QString& text);

// Reads the header from the decoded lines of a play file. Fewer than four lines, or no
// puzzles or more than MaxCrossCount announced, is not ok.
PlayFileHeader parsePlayFileHeader(const QStringList& lines);
// Reads the header from the start of a play file's bytes: its first four lines, each
// decoded on its own.
PlayFileHeader playFileHeaderOf(const QByteArray& bytes);
// Reads the header of a file; a file that cannot be read is not ok either. An open
// crossword file (.ipuz, .puz) reads as a play file of one puzzle, its keypad mode from
// the import, and so it does for checkPlayFile and readCrossFileAt.
PlayFileHeader readPlayFileHeader(const QString& path);

// Reads the header and every puzzle it announces: the first fault found, or empty when
// the whole file reads.
QString checkPlayFile(const QString& path);
// The same for the bytes of a play file; `name` stands before a fault of the header.
QString checkPlayFileBytes(const QByteArray& bytes, const QString& name = QString());
