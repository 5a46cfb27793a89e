#pragma once
#include "OpenCrossword.h"
#include "Puzzle.h"

#include <QString>
#include <QStringList>

// An open crossword (.ipuz, .puz) as a puzzle of the game: the grid laid out and numbered
// as norda build lays out a source's grid, each clue on the word that starts at the cell of
// its number, the letters stored as the grid stores them.
struct ImportedCrossword {
    bool ok = false;
    QString error;       // why it cannot be played, naming the cell or the clue
    Puzzle puzzle;       // as the play-file reader would give it
    int keypadMode = 0;  // 1 kana, 0 letters: from the solution
    QStringList warnings;
    // Kept for the title shown and for an export.
    QString title, author, copyright, notes;
};

// Letters A..Z in any case and width play as letters (stored as full-width capitals);
// katakana or hiragana, full- or half-width, play as kana (stored as large katakana). A
// grid is all letters or all kana; anything else in a cell is refused. Clue text loses its
// markup; a clue longer than the clue label shows is a warning. The level is the
// difficulty when that is a number 0..5, else 0.
ImportedCrossword importOpenCrossword(const OpenCrossword& crossword);

// Clue text of an open format as plain text: tags removed (<br> as a space), character
// references decoded (&amp; &#233; &#xE9; &nbsp; ...), blanks run together. A comma, which
// would split the play file's word line, becomes a full-width one (，).
QString plainClueText(const QString& markup);

// Whether a path names an open crossword file (.ipuz or .puz, any case).
bool isOpenCrosswordPath(const QString& path);
// Reads and imports an open crossword file, the reader chosen by its extension. A title the
// file lacks is the file's name without its extension.
ImportedCrossword importOpenCrosswordFile(const QString& path);
