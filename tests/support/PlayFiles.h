#pragma once
#include <QByteArray>
#include <QStringList>

// Play files for tests, written as the game stores them (CP932, CR LF).
namespace playfiles {

// A 3 x 3 letter puzzle: CAT across, CAR and TOE down. Word 2's line has empty fields,
// word 3's SN holds commas.
QStringList catSection(int n);
// A header announcing `count` puzzles in the given keypad mode.
QStringList header(int count, int keypadMode = 0);
// A whole file: the header, then the given sections.
QByteArray file(int count, const QList<QStringList>& sections, int keypadMode = 0);

} // namespace playfiles

namespace playfiles {
// A comb of `columns` x `rows`: word 1 runs across the whole first row; a down word hangs
// from every odd column; even columns are black below the first row.
QStringList combSection(int n, int columns, int rows);
}
