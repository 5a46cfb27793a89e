#pragma once
#include "playfile/Puzzle.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace norda {

// Writes puzzles as a play file (CP932 with CR LF), each with everything the reader takes
// from it: the cell kinds with the border, the answer grid, the start numbers and one line
// per word with its fields. `norda build` and `norda import` both write through it.
QByteArray writePlayFile(const QString& title, int keypadMode, const std::vector<Puzzle>& puzzles);

// Reads written bytes back with the game's reader: empty when every puzzle reads clean and
// gives the answers and clues it was written from, else what differs.
QString readBackFault(const QByteArray& bytes, const std::vector<Puzzle>& puzzles);

} // namespace norda
