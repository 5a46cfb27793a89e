#pragma once
#include "Puzzle.h"

#include <QChar>
#include <QString>
#include <vector>

// A word of the grid: a run of two or more white cells across or down.
struct GridWord {
    int start = 0;   // cell index of its first cell
    int length = 0;
    bool across = true;
};

// What the answer grid alone says about a puzzle: the cell kinds and the word numbers the
// play file stores. Cells are indexed as in the play file: a border of black cells around
// the grid, row r column c at r * (columns + 2) + c.
struct GridLayout {
    int rows = 0, columns = 0;
    std::vector<int> kind;       // 1 black or border, 2 across, 3 down, 4 crossing, 0 white in no word
    std::vector<int> acrossNmb;  // number of the across word starting in the cell, 0 for none
    std::vector<int> downNmb;    // the same for down words
    std::vector<GridWord> words; // word q is words[q - 1]: across words, then down words
    int downTop = 1;             // number of the first down word

    int lineLength() const { return columns + 2; }
    int index(int row, int column) const { return row * lineLength() + column; }
};

// Lays out a grid of rows x columns from its white cells (per cell index, border false).
// Words are numbered across first, in reading order, then down, in reading order.
GridLayout layoutGrid(int rows, int columns, const std::vector<bool>& white);

// The numbers a printed crossword puts in its cells (per cell index, 0 for none): every
// cell that starts a word across or down, counted from 1 in reading order. Open crossword
// files name their clues by these numbers.
std::vector<int> crosswordNumbers(const GridLayout& g);

// The text of a word along the grid, from one of the per-cell tables.
QString wordText(const GridLayout& g, const GridWord& w, const std::vector<QChar>& cells);

// The layout of a puzzle's grid: its white cells (every kind but 1) laid out again.
GridLayout puzzleLayout(const Puzzle& p);

// The puzzle of a laid-out grid as the play-file reader gives it: the cells with their
// kinds, word starts, answers (per cell index, the grid character of each white cell) and
// empty entries, one word per grid word with its start, length and answer. The texts of
// the words are the caller's.
Puzzle layoutPuzzle(const GridLayout& g, const std::vector<QChar>& answers, int level);

// The fields of every word after its texts: the ID ("K" in a kana file, "E" in a letter
// file, and the word's running number in the file, four digits at least: "K0001"), CN 0,
// BN 1 across or 2 down, QN the word number, AN the number of cells and SN
// "<file title>,W<columns>xH<rows>". `serial` counts on through the puzzles of a file.
void setWordFields(Puzzle& p, const QString& fileTitle, int keypadMode, int& serial);
