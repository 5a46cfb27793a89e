#include "GridLayout.h"

#include "CrossFile.h"
#include "GridCharacters.h"

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

std::vector<int> crosswordNumbers(const GridLayout& g)
{
    std::vector<int> numbers(g.kind.size(), 0);
    int next = 0;
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.columns; ++c) {
            const int i = g.index(r, c);
            if (g.acrossNmb[i] != 0 || g.downNmb[i] != 0)
                numbers[i] = ++next;
        }
    }
    return numbers;
}

GridLayout puzzleLayout(const Puzzle& p)
{
    std::vector<bool> white(p.Mas.size(), false);
    for (size_t i = 0; i < p.Mas.size(); ++i)
        white[i] = p.Mas[i].Kind != 1;
    return layoutGrid(p.MasMaxY, p.MasMaxX, white);
}

Puzzle layoutPuzzle(const GridLayout& g, const std::vector<QChar>& answers, int level)
{
    Puzzle p;
    p.MasMaxY = g.rows;
    p.MasMaxX = g.columns;
    p.MasLineLen = g.lineLength();
    p.MasLast = (g.rows + 2) * g.lineLength() - 1;
    p.CrossLevel = level;
    p.QuesNmbMax = int(g.words.size());
    p.DownQuesTop = g.downTop;
    p.Mas.assign(p.MasLast + 1, MasData{});
    p.Ques.assign(p.QuesNmbMax + 1, QuesData{});
    for (int i = 0; i <= p.MasLast; ++i) {
        MasData& m = p.Mas[i];
        m.Kind = g.kind[i];
        m.AcrossNmb = g.acrossNmb[i];
        m.DownNmb = g.downNmb[i];
        const int row = i / p.MasLineLen, column = i % p.MasLineLen;
        if (row < 1 || row > g.rows || column < 1 || column > g.columns)
            continue;
        // Entries as the reader sets them: the black square shown, white cells blank.
        m.Answer = m.Kind == 1 ? QString(BlackSquare) : QString(answers[i]);
        m.Entry = m.Kind == 1 ? QString(BlackSquare) : QStringLiteral("　");
        if (m.Kind != 1)
            m.PrevEntry = QStringLiteral("　");
    }
    SetMasQuesNmb(p);
    SetQuesAnswer(p);
    return p;
}

void setWordFields(Puzzle& p, const QString& fileTitle, int keypadMode, int& serial)
{
    const QString sn = QStringLiteral("%1,W%2xH%3").arg(fileTitle).arg(p.MasMaxX).arg(p.MasMaxY);
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        QuesData& w = p.Ques[q];
        w.ID = (keypadMode == 1 ? QStringLiteral("K") : QStringLiteral("E"))
             + QStringLiteral("%1").arg(++serial, 4, 10, QLatin1Char('0'));
        w.CN = QStringLiteral("0");
        w.BN = q < p.DownQuesTop ? QStringLiteral("1") : QStringLiteral("2");
        w.QN = QString::number(q);
        w.AN = QString::number(w.Length);
        w.SN = sn;
    }
}

QString wordText(const GridLayout& g, const GridWord& w, const std::vector<QChar>& cells)
{
    const int step = w.across ? 1 : g.lineLength();
    QString text;
    for (int k = 0; k < w.length; ++k)
        text += cells[size_t(w.start + k * step)];
    return text;
}
