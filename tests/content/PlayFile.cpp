// A strict reader and a consistency check for the sample play files.
#include "ContentFiles.h"

#include <QSet>

namespace content {

QString cutField(QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0) {
        const QString field = line;
        line.clear();
        return field;
    }
    if (comma == 0) {
        line.remove(0, 1);
        return QStringLiteral("0");
    }
    const QString field = line.left(comma);
    line.remove(0, comma + 1);
    return field;
}

namespace {

class Reader {
public:
    Reader(const QStringList& lines, int line) : lines_(lines), line_(line) {}

    int lineNumber() const { return line_ + 1; }

    bool line(QString* out)
    {
        if (line_ >= lines_.size())
            return fail(QStringLiteral("the file ends early"));
        *out = lines_[line_++];
        return true;
    }

    // A caption: present, and not mistakable for data or a marker.
    bool caption()
    {
        QString text;
        if (!line(&text))
            return false;
        if (!text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1String(";#")))
            return fail(QStringLiteral("caption expected, found \"%1\"").arg(text));
        return true;
    }

    // `count` numbers ended by commas or line ends; the last one must end its line, so that
    // the next line read is the one that follows.
    bool numbers(int count, QVector<int>* out)
    {
        out->clear();
        while (out->size() < count) {
            QString text;
            if (!line(&text))
                return false;
            const QStringList items = text.split(QLatin1Char(','));
            if (out->size() + items.size() > count)
                return fail(QStringLiteral("more items on the line than the block holds"));
            for (const QString& item : items) {
                bool ok = false;
                const int value = item.toInt(&ok);
                if (!ok)
                    return fail(QStringLiteral("\"%1\" is not a number").arg(item));
                out->append(value);
            }
        }
        return true;
    }

    QString error() const { return error_; }

private:
    bool fail(const QString& what)
    {
        error_ = QStringLiteral("line %1: %2").arg(line_).arg(what);
        return false;
    }

    const QStringList& lines_;
    int line_;
    QString error_;
};

bool inRange(int v, int low, int high)
{
    return v >= low && v <= high;
}

bool parseSection(const QStringList& lines, int marker, SamplePuzzle* p, QString* error)
{
    Reader in(lines, marker + 1);
    QVector<int> v;
    auto failed = [&] {
        *error = QStringLiteral("puzzle %1: %2").arg(p->number).arg(in.error());
        return false;
    };
    if (!in.caption() || !in.numbers(2, &v))
        return failed();
    p->rows = v[0];
    p->columns = v[1];
    if (!inRange(p->rows, 1, 99) || !inRange(p->columns, 1, 99)) {
        *error = QStringLiteral("puzzle %1: grid size out of 1..99").arg(p->number);
        return false;
    }
    if (!in.caption() || !in.numbers(3, &v))
        return failed();
    p->level = v[0];
    p->wordCount = v[1];
    p->downTop = v[2];
    if (!inRange(p->wordCount, 1, 4 * 99 * 99) || !inRange(p->downTop, 1, p->wordCount + 1)) {
        *error = QStringLiteral("puzzle %1: word counts out of range").arg(p->number);
        return false;
    }
    if (!in.caption() || !in.numbers((p->rows + 2) * (p->columns + 2), &p->kinds) || !in.caption())
        return failed();
    for (int r = 0; r < p->rows; ++r) {
        QString row;
        if (!in.line(&row))
            return failed();
        p->answer.append(row);
    }
    if (!in.caption() || !in.numbers(p->rows * p->columns, &p->acrossNmb) || !in.caption()
        || !in.numbers(p->rows * p->columns, &p->downNmb) || !in.caption())
        return failed();
    for (int q = 0; q < p->wordCount; ++q) {
        QString text;
        if (!in.line(&text))
            return failed();
        SampleWord w;
        w.number = cutField(text);
        for (QString* field : {&w.clue, &w.answerText, &w.reading, &w.id, &w.cn, &w.bn, &w.qn, &w.an})
            *field = cutField(text);
        w.sn = text;
        p->words.append(w);
    }
    return true;
}

} // namespace

bool parsePlayFile(const QStringList& lines, SamplePlayFile* file, QString* error)
{
    if (lines.size() < 4) {
        *error = QStringLiteral("no header");
        return false;
    }
    bool ok1 = false, ok2 = false;
    file->keypadMode = lines[1].toInt(&ok1);
    file->crossCount = lines[3].toInt(&ok2);
    if (!ok1 || !ok2 || file->crossCount < 1) {
        *error = QStringLiteral("header lines 2 and 4 are not plain numbers");
        return false;
    }
    for (int n = 1; n <= file->crossCount; ++n) {
        const QString marker = QStringLiteral(";#%1").arg(n);
        if (lines.count(marker) != 1) {
            *error = QStringLiteral("marker %1 found %2 times").arg(marker).arg(lines.count(marker));
            return false;
        }
        SamplePuzzle puzzle;
        puzzle.number = n;
        if (!parseSection(lines, static_cast<int>(lines.indexOf(marker)), &puzzle, error))
            return false;
        file->puzzles.append(puzzle);
    }
    return true;
}

namespace {

bool isGridKana(QChar c)
{
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ");
    return (c.unicode() >= 0x30A1 && c.unicode() <= 0x30FA && !small.contains(c)) || c == QChar(0x30FC);
}

bool isGridLetter(QChar c)
{
    return c.unicode() >= 0xFF21 && c.unicode() <= 0xFF3A; // Ａ..Ｚ
}

QString fullWidthUpper(const QString& word)
{
    QString out;
    for (QChar c : word.toUpper())
        out.append(c.unicode() >= 'A' && c.unicode() <= 'Z' ? QChar(c.unicode() - 'A' + 0xFF21) : c);
    return out;
}

} // namespace

QStringList checkPuzzle(const SamplePuzzle& p, bool kana)
{
    QStringList faults;
    const int width = p.columns + 2;
    auto kind = [&](int r, int c) { return p.kinds[r * width + c]; };
    auto white = [&](int r, int c) { return kind(r, c) != 1; };
    auto letter = [&](int r, int c) { return p.answer[r - 1][c - 1]; };

    if (!inRange(p.level, 0, 5))
        faults << QStringLiteral("level %1 outside 0..5").arg(p.level);
    for (int r = 0; r < p.rows + 2; ++r)
        for (int c = 0; c < width; ++c) {
            const bool border = r == 0 || c == 0 || r == p.rows + 1 || c == p.columns + 1;
            if (!inRange(kind(r, c), 1, 4) || (border && kind(r, c) != 1))
                faults << QStringLiteral("cell (%1,%2): kind %3").arg(r).arg(c).arg(kind(r, c));
        }
    for (int r = 1; r <= p.rows; ++r)
        if (p.answer[r - 1].size() != p.columns)
            faults << QStringLiteral("answer row %1 has %2 characters").arg(r).arg(p.answer[r - 1].size());
    if (!faults.isEmpty())
        return faults;

    // Kinds follow from the answer grid: black squares, and runs of two or more cells.
    int whites = 0;
    for (int r = 1; r <= p.rows; ++r)
        for (int c = 1; c <= p.columns; ++c) {
            const QChar ch = letter(r, c);
            if (ch == QChar(0x25A0)) { // ■
                if (white(r, c))
                    faults << QStringLiteral("(%1,%2): a black square of kind %3").arg(r).arg(c).arg(kind(r, c));
                continue;
            }
            ++whites;
            if (!(kana ? isGridKana(ch) : isGridLetter(ch)))
                faults << QStringLiteral("(%1,%2): \"%3\" is not a grid character").arg(r).arg(c).arg(ch);
            const bool across = white(r, c - 1) || white(r, c + 1);
            const bool down = white(r - 1, c) || white(r + 1, c);
            const int expected = across && down ? 4 : across ? 2 : down ? 3 : 0;
            if (kind(r, c) != expected)
                faults << QStringLiteral("(%1,%2): kind %3, the grid says %4").arg(r).arg(c).arg(kind(r, c)).arg(expected);
        }

    // Word numbers stand exactly on the first cells of runs, ascending in reading order:
    // across words 1..downTop-1, then down words downTop..wordCount.
    int nextAcross = 1, nextDown = p.downTop;
    QVector<QString> cells(p.wordCount + 1);
    for (int r = 1; r <= p.rows; ++r)
        for (int c = 1; c <= p.columns; ++c) {
            const int i = (r - 1) * p.columns + (c - 1);
            const bool whiteHere = letter(r, c) != QChar(0x25A0);
            const bool startsAcross = whiteHere && !white(r, c - 1) && white(r, c + 1);
            const bool startsDown = whiteHere && !white(r - 1, c) && white(r + 1, c);
            if (startsAcross != (p.acrossNmb[i] != 0) || (startsAcross && p.acrossNmb[i] != nextAcross++))
                faults << QStringLiteral("(%1,%2): across number %3").arg(r).arg(c).arg(p.acrossNmb[i]);
            if (startsDown != (p.downNmb[i] != 0) || (startsDown && p.downNmb[i] != nextDown++))
                faults << QStringLiteral("(%1,%2): down number %3").arg(r).arg(c).arg(p.downNmb[i]);
            if (startsAcross && inRange(p.acrossNmb[i], 1, p.wordCount))
                for (int k = c; white(r, k); ++k)
                    cells[p.acrossNmb[i]] += letter(r, k);
            if (startsDown && inRange(p.downNmb[i], 1, p.wordCount))
                for (int k = r; white(k, c); ++k)
                    cells[p.downNmb[i]] += letter(k, c);
        }
    if (nextAcross != p.downTop || nextDown != p.wordCount + 1)
        faults << QStringLiteral("numbering ends at %1 across and %2 down").arg(nextAcross - 1).arg(nextDown - 1);

    // Each word line names its number and gives the answer that the grid spells.
    QSet<QString> seen;
    for (int q = 1; q <= p.wordCount; ++q) {
        const SampleWord& w = p.words[q - 1];
        const QString spelled = kana ? gridForm(w.reading) : fullWidthUpper(w.answerText);
        if (w.number != QString::number(q))
            faults << QStringLiteral("word line %1 is numbered %2").arg(q).arg(w.number);
        if (w.clue.isEmpty() || w.answerText.isEmpty() || w.reading.isEmpty())
            faults << QStringLiteral("word %1: empty clue, answer or reading").arg(q);
        if (spelled != cells[q])
            faults << QStringLiteral("word %1: \"%2\" but the grid spells \"%3\"").arg(q).arg(spelled, cells[q]);
        if (seen.contains(cells[q]))
            faults << QStringLiteral("word %1: \"%2\" appears twice").arg(q).arg(cells[q]);
        seen.insert(cells[q]);
    }

    // One connected board: every white cell reachable from the first.
    QVector<bool> reached(p.kinds.size(), false);
    QVector<int> stack;
    for (int i = 0; i < p.kinds.size() && stack.isEmpty(); ++i)
        if (p.kinds[i] != 1) {
            stack.append(i);
            reached[i] = true;
        }
    int count = 0;
    while (!stack.isEmpty()) {
        const int i = stack.takeLast();
        ++count;
        for (int j : {i - 1, i + 1, i - width, i + width})
            if (p.kinds[j] != 1 && !reached[j]) {
                reached[j] = true;
                stack.append(j);
            }
    }
    if (count != whites)
        faults << QStringLiteral("%1 of %2 white cells are connected").arg(count).arg(whites);
    return faults;
}

} // namespace content
