#include "ViewRules.h"

#include <algorithm>

int scrolledView(int button, int view, int viewMax)
{
    switch (button) {
    case 1: return 1;
    case 2: return view > 1 ? view - 1 : view;
    case 3: return view < viewMax ? view + 1 : view;
    case 4: return viewMax;
    default: return view;
    }
}

int wordViewColumn(bool acrossWord, int c, int n, int viewX, int viewMaxX)
{
    if (acrossWord) {
        if (c >= viewX && columnVisible(c, viewX) && columnVisible(c + n - 1, viewX))
            return viewX;
        if (c < viewX)
            return c;
        return std::min(c, viewMaxX);
    }
    if (c < viewX)
        return std::max(c - 5, 1);
    if (columnVisible(c, viewX))
        return viewX;
    return std::min(c - 5, viewMaxX);
}

int wordViewRow(bool acrossWord, int r, int n, int viewY, int viewMaxY)
{
    if (acrossWord) {
        if (r < viewY)
            return std::max(r - 5, 1);
        if (rowVisible(r, viewY))
            return viewY;
        return std::min(r - 5, viewMaxY);
    }
    if (r >= viewY && rowVisible(r, viewY) && rowVisible(r + n - 1, viewY))
        return viewY;
    if (r < viewY)
        return r;
    return std::min(r, viewMaxY);
}

int followView(int position, int view, int windowSize)
{
    if (position > view + windowSize - 1)
        return view + 1;
    if (position < view)
        return view - 1;
    return view;
}
