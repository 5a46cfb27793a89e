#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The player record file beside a play file: five lines in CP932 with CR LF (a comment,
// a caption, the player name, a caption, the solved states), read by position only.
namespace record {

constexpr int Lines = 5;
constexpr int NameLine = 3;    // 1-based
constexpr int SolvedLine = 5;
// The name line of a player who has not given a name yet.
const QString Unregistered = QStringLiteral("未登録");

// Kind 0 for a file beside the play file, 1 for one in the work folder.
QString commentLine(int kind);
// The play file title up to its first "." (the whole title without one), then ".log".
QString fileNameFor(const QString& playFileTitle);
// A new record: the comment of its kind, no name, every puzzle unsolved.
QStringList newRecord(int kind, int crossCount);
// "0,1,0": flags 1..count of `solved` (indexed from 1).
QString solvedText(const std::vector<int>& solved, int count);

// Reads the lines of a record. A record shorter than five lines is completed: a missing
// name reads as unregistered, missing states as unsolved. Bytes that are not CP932 read
// as U+FFFD. False (with the reason) only when the file cannot be read at all.
bool read(const QString& path, QStringList& lines, QString* error = nullptr);
// The same from the bytes of a record file.
QStringList parse(const QByteArray& bytes);
// The bytes of a record file holding the lines: CP932, every line ended by CR LF.
QByteArray bytesOf(const QStringList& lines);
// Writes the lines in CP932 with CR LF to a new file beside the record and puts it in the
// record's place in one rename: the record on disk is always the old one or the new one,
// whole. On failure the old record stays and the reason is given.
bool write(const QString& path, const QStringList& lines, QString* error = nullptr);
// The name as the record can hold it: characters that CP932 lacks become "？".
QString storableName(const QString& name);

} // namespace record
