#pragma once
#include "Diagnostics.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace norda {

// A puzzle source as the author writes it (UTF-8 text): "title:" and "keypad:", then per
// puzzle "puzzle:", "level:", "grid:" with the rows of the answer grid, and "across:" and
// "down:" with one clue line each, "答え | ヒント" or "答え | ヨミ | ヒント". Lines starting
// with "#" are comments; blank lines are ignored.

struct SourceClue {
    int line = 0;
    QString answer;
    QString reading;  // empty when the line gives none
    QString clue;
};

struct SourcePuzzle {
    int line = 0;        // the "puzzle:" line
    int level = -1;      // -1 when "level:" is missing
    int levelLine = 0;
    int gridLine = 0;    // 0 when "grid:" is missing
    QStringList rows;    // the grid rows as written
    std::vector<int> rowLines;
    int acrossLine = 0, downLine = 0;  // 0 when the keyword is missing
    std::vector<SourceClue> across, down;
};

struct PuzzleSource {
    QString title;
    int titleLine = 0;
    int keypad = -1;     // 1 kana, 0 letters, -1 when "keypad:" is missing
    int keypadLine = 0;
    int lineCount = 0;
    std::vector<SourcePuzzle> puzzles;
};

// Reads the layout of a source; every fault goes to `diagnostics` with its line. What
// belongs together (rows of one length, clue counts, the letters themselves) is checked
// when the play file is built.
PuzzleSource parsePuzzleSource(const QByteArray& utf8, Diagnostics& diagnostics);

} // namespace norda
