#pragma once
#include <QString>

// The header of a play file: line 2 holds the keypad mode, line 4 the number of puzzles,
// each as the number at the start of its line.
struct PlayFileHeader {
    bool ok = false;
    QString error;
    int keypadMode = 0;  // 1 kana entry, 0 letters (any value but 1 in the file)
    int crossCount = 0;
};

// Most puzzles one play file may hold (section markers ";#1" .. ";#9999").
constexpr int MaxCrossCount = 9999;

// The number at the start of a text (blanks before it skipped); 0 when there is none.
int leadingNumber(const QString& text);

// Reads the header. A file that cannot be read, has fewer than four lines, or announces
// no puzzles or more than MaxCrossCount is not ok.
PlayFileHeader readPlayFileHeader(const QString& path);

// Reads the header and every puzzle it announces: the first fault found, or empty when
// the whole file reads.
QString checkPlayFile(const QString& path);
