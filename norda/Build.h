#pragma once
#include "Diagnostics.h"

#include <QByteArray>

namespace norda {

struct BuildResult {
    Diagnostics diagnostics;  // lines of the source
    QByteArray playFile;      // CP932 with CR LF; empty when the source has errors
};

// Turns a puzzle source (UTF-8) into a play file. The cell kinds, word numbers, first
// down word and word counts all come from the answer grid; each word line holds
// number, clue, answer, reading, ID, CN, BN, QN, AN and SN:
//   ID  "K" (kana file) or "E" (letter file) and the word's running number in the file,
//       four digits at least ("K0001");
//   CN  0: sources have no categories;
//   BN  1 across, 2 down; QN the word number; AN the number of cells;
//   SN  the title and the grid size, "<title>,W<columns>xH<rows>".
// A word without a reading takes, in a kana file, the word as the source grid writes it
// (small kana kept: シヨウセツ written ショウセツ reads ショウセツ); in a letter file, the
// word in the grid's full-width capitals.
BuildResult buildPlayFile(const QByteArray& source);

} // namespace norda
