#include "GridLayout.h"

namespace norda {

GridLayout layoutGrid(int rows, int columns, const std::vector<bool>& white)
{
    GridLayout g;
    g.rows = rows;
    g.columns = columns;
    const int cells = (rows + 2) * g.lineLength();
    g.kind.assign(cells, 1);
    g.acrossNmb.assign(cells, 0);
    g.downNmb.assign(cells, 0);
    std::vector<int> directions(cells, 0); // bit 1 across, bit 2 down

    for (const bool across : {true, false}) {
        const int step = across ? 1 : g.lineLength();
        const int bit = across ? 1 : 2;
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                const int start = g.index(r, c);
                // A word starts where a white cell follows a black one (or the border).
                if (!white[start] || white[start - step])
                    continue;
                int length = 0;
                while (white[start + length * step])
                    ++length;
                if (length < 2)
                    continue;
                for (int k = 0; k < length; ++k)
                    directions[start + k * step] |= bit;
                g.words.push_back({start, length, across});
                (across ? g.acrossNmb : g.downNmb)[start] = int(g.words.size());
            }
        }
        if (across)
            g.downTop = int(g.words.size()) + 1;
    }
    for (int i = 0; i < cells; ++i) {
        if (white[i])
            g.kind[i] = directions[i] == 0 ? 0 : 1 + directions[i];
    }
    return g;
}

} // namespace norda
