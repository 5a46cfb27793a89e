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
