#pragma once
// Small readers for the content files that the build lays into the program folder: the
// romaji table, the WAV effects and the MIDI music. They are the tests' own, strict about
// the layout the project writes, and say what is wrong. (Play files are checked with
// norda check, through the game's own reader.)
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
