#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

// A crossword as the open formats (.ipuz, .puz) hold it, before it becomes a puzzle of the
// game: the solution grid and the clues under their cell numbers, in the format's own
// terms. Each reader fills one; the import turns it into the game's puzzle model.

struct OpenClue {
    int number = 0;  // the number of the cell the word starts in, counted as the format does;
                     // 0 when the file gives none: the clue takes the word of its place
    QString text;    // as the file gives it (markup is removed by the import)
    // The game's own answer text and reading of the word, where the file keeps them (an
    // .ipuz written by norda export); empty otherwise.
    QString answer, reading;
};

struct OpenCrossword {
    int width = 0, height = 0;
    // Per cell, row by row (height x width): the solution text of the cell, empty for a
    // block (an omitted cell is a block too).
    std::vector<QString> solution;
    std::vector<OpenClue> across, down;
    QString title, author, copyright, notes;
    QString difficulty;  // as the file gives it; norda export writes the level
};

struct OpenCrosswordRead {
    bool ok = false;
    QString error;  // why the file was refused, naming the place where there is one
    OpenCrossword crossword;
};

// Largest .puz or .ipuz file read: real ones are a few kilobytes.
constexpr qint64 MaxOpenCrosswordBytes = 4 * 1024 * 1024;

// An .ipuz file (JSON, versions 1 and 2, kind crossword).
OpenCrosswordRead readIpuz(const QByteArray& bytes);
// A .puz file (binary, checksummed; strings in ISO-8859-1).
OpenCrosswordRead readPuz(const QByteArray& bytes);
