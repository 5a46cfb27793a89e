#pragma once
// Small readers for the content files that the build lays into the program folder: the
// romaji table, the sample play files, the WAV effects and the MIDI music. They are the
// tests' own, strict about the layout the project writes, and say what is wrong.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace content {

// The bytes of a file below the build's program folder (empty when it is missing).
QByteArray programFile(const QString& relativePath);
// Whether every line of the bytes ends in CR LF (and there is at least one line).
bool allLinesEndInCrLf(const QByteArray& bytes);
// Small kana written full size, the form the grid uses.
QString gridForm(const QString& displayKana);

// --- The romaji table ---------------------------------------------------------------

struct RomaKanaEntry {
    QString key, display, grid;
};

struct RomaKanaTable {
    QStringList doubling;
    QVector<RomaKanaEntry> one, two, three;
};

// Reads the table as the keypad does (title line, label and 17 letters, heading line, then
// 6, 97 and 122 records of five fields); fails when a record is missing or anything but
// blank text follows the last record.
bool parseRomaKanaTable(const QString& text, RomaKanaTable* table, QString* error);

// --- Play files ----------------------------------------------------------------------

struct SampleWord {
    QString number, clue, answerText, reading, id, cn, bn, qn, an, sn;
};

struct SamplePuzzle {
    int number = 0;
    int rows = 0, columns = 0;
    int level = 0, wordCount = 0, downTop = 0;
    QVector<int> kinds;              // (rows + 2) x (columns + 2), cell-index order
    QStringList answer;              // one line per row
    QVector<int> acrossNmb, downNmb; // rows x columns, row by row
    QVector<SampleWord> words;       // words 1..wordCount
};

struct SamplePlayFile {
    int keypadMode = 0;
    int crossCount = 0;
    QVector<SamplePuzzle> puzzles;   // puzzles 1..crossCount
};

// Cuts the first comma-separated field off the line ("" before a comma reads "0").
QString cutField(QString& line);
// Reads the header and every puzzle section; items must end at line ends and captions
// must stand where the layout puts them.
bool parsePlayFile(const QStringList& lines, SamplePlayFile* file, QString* error);
// The faults of one puzzle: kinds against the answer grid, numbering, words against the
// grid, connectivity. `kana` chooses the kana or the letter alphabet. Empty = consistent.
QStringList checkPuzzle(const SamplePuzzle& puzzle, bool kana);

// --- Sound and music -----------------------------------------------------------------

struct WavInfo {
    int channels = 0, sampleRate = 0, bitsPerSample = 0;
    QVector<qint16> samples;
};
bool parseWav(const QByteArray& bytes, WavInfo* wav, QString* error);

struct MidiInfo {
    int format = 0, division = 0;
    int tracks = 0;
    int notes = 0;               // note-ons with a velocity
    int programChanges = 0;
    double seconds = 0;          // to the last end-of-track, by the tempo map
    QVector<int> programs;       // programs chosen, in order of appearance
};
bool parseMidi(const QByteArray& bytes, MidiInfo* midi, QString* error);

} // namespace content
