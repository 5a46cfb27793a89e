#pragma once

// The rules that choose the board's view, apart from the widgets. Columns and rows are
// 1-based grid positions; the window shows 11 columns and 10 rows.
constexpr int ViewColumns = 11;
constexpr int ViewRows = 10;

inline bool columnVisible(int c, int viewX) { return viewX <= c && c <= viewX + ViewColumns - 1; }
inline bool rowVisible(int r, int viewY) { return viewY <= r && r <= viewY + ViewRows - 1; }

// Where the view moves on a scroll button (1 first, 2 back, 3 forward, 4 last).
int scrolledView(int button, int view, int viewMax);

// The view column that shows the current word horizontally, or `viewX` to stay. For an
// across word the word's first column comes into view; for a down word about five
// columns of context are kept before it.
int wordViewColumn(bool acrossWord, int column, int length, int viewX, int viewMaxX);
// The same for rows.
int wordViewRow(bool acrossWord, int row, int length, int viewY, int viewMaxY);

// One step of following the cursor's column (or row): the view moves by one when the
// cursor left it.
int followView(int position, int view, int windowSize);
