#pragma once
#include <QString>
#include <QStringList>
#include <map>

struct Puzzle;

// The board file beside the record: what the player wrote into the puzzles not yet solved.
// CP932 with CR LF. The first line names the format and its version; lines starting with
// ";" are comments. Each kept puzzle is a header "#number,rows,columns,seconds" (the play
// clock when it was kept) followed by one line per row with one character per cell: "■" a
// black square, "　" an empty cell, any other character the player's entry. Version 1 had
// no seconds in its headers and is still read, its puzzles with 0 seconds.
namespace board {

const QString FirstLine = QStringLiteral(";Latica盤面 2");
const QString FirstLineVersion1 = QStringLiteral(";Latica盤面 1");

// One puzzle's board: `rows` texts of `columns` characters each, and the seconds played.
struct SavedBoard {
    int rows = 0;
    int columns = 0;
    QStringList rowTexts;
    int seconds = 0;
    bool operator==(const SavedBoard&) const = default;
};
using Boards = std::map<int, SavedBoard>;  // by puzzle number

struct ReadResult {
    Boards boards;        // the puzzles read whole
    QStringList problems; // what could not be read, one text each
};

// The play file title up to its first "." (the whole title without one), then ".sav".
QString fileNameFor(const QString& playFileTitle);

// Reads a board file from its bytes. A damaged puzzle is left out and named in the problems;
// a first line other than FirstLine or FirstLineVersion1 leaves out everything.
ReadResult parse(const QByteArray& bytes);
// The lines of a board file holding `boards`.
QStringList linesOf(const Boards& boards);
// Reads the file at `path`; a missing file is an empty one without problems.
ReadResult read(const QString& path);
// Writes the boards through a scratch file and one rename, as the record is written; with
// no board left the file is removed. On failure the old file stays and the reason is given.
bool write(const QString& path, const Boards& boards, QString* error = nullptr);

// The board of a puzzle as the file keeps it, and whether any white cell holds an entry.
SavedBoard boardOf(const Puzzle& puzzle);
bool hasEntries(const SavedBoard& saved);
// Why a saved board does not belong to the puzzle (another size, a black square elsewhere),
// or empty when it does.
QString misfit(const SavedBoard& saved, const Puzzle& puzzle);
// Writes the saved entries into the puzzle's white cells.
void putInto(const SavedBoard& saved, Puzzle& puzzle);

} // namespace board
