#pragma once
#include <vector>

namespace norda {

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

} // namespace norda
