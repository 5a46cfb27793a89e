#include "CrossFile.h"

#include "ItemReader.h"
#include "form/Cp932.h"

#include <QFile>
#include <QObject>

namespace {

const QString BlackSquare = QStringLiteral("■");
const QString EmptyEntry = QStringLiteral("　");

struct Failure {
    QString message;
};

[[noreturn]] void fail(const QString& message)
{
    throw Failure{message};
}

void skipLine(ItemReader& reader, const char* what)
{
    QString ignored;
    if (!reader.readLine(ignored))
        fail(QStringLiteral("the file ends before the %1").arg(QString::fromUtf8(what)));
}

int readInt(ItemReader& reader, const char* what)
{
    const int line = reader.lineNumber();
    int value = 0;
    if (!reader.readInt(value))
        fail(QStringLiteral("line %1: %2 is missing or not a number").arg(line).arg(QString::fromUtf8(what)));
    return value;
}

int readIntIn(ItemReader& reader, const char* what, int low, int high)
{
    const int line = reader.lineNumber();
    const int value = readInt(reader, what);
    if (value < low || value > high)
        fail(QStringLiteral("line %1: %2 %3 is outside %4..%5")
                 .arg(line).arg(QString::fromUtf8(what)).arg(value).arg(low).arg(high));
    return value;
}

// One character of a one-character field: shorter text is filled with a space, longer
// text is cut. A character outside the basic plane stays whole.
QString oneCharacter(const QString& line, int position)
{
    if (position >= line.size())
        return QStringLiteral(" ");
    if (line[position].isHighSurrogate() && position + 1 < line.size())
        return line.mid(position, 2);
    return line.mid(position, 1);
}

// The characters of a line as cells: surrogate pairs count as one cell.
QStringList cellsOf(const QString& line)
{
    QStringList cells;
    for (int i = 0; i < line.size(); ++i) {
        QString c = oneCharacter(line, i);
        i += c.size() - 1;
        cells << c;
    }
    return cells;
}

void readKinds(ItemReader& reader, Puzzle& p)
{
    for (int i = 0; i <= p.MasLast; ++i) {
        const int line = reader.lineNumber();
        const int kind = readInt(reader, "a cell kind");
        if (kind < 1 || kind > 4)
            fail(QStringLiteral("line %1: cell kind %2 is not 1..4").arg(line).arg(kind));
        const int row = i / p.MasLineLen, column = i % p.MasLineLen;
        const bool border = row == 0 || row == p.MasMaxY + 1 || column == 0 || column == p.MasMaxX + 1;
        if (border && kind != 1)
            fail(QStringLiteral("line %1: the border cell (%2, %3) is not black").arg(line).arg(row).arg(column));
        p.Mas[i].Kind = kind;
    }
}

void readAnswers(ItemReader& reader, Puzzle& p)
{
    for (int r = 1; r <= p.MasMaxY; ++r) {
        const int lineNumber = reader.lineNumber();
        QString line;
        if (!reader.readLine(line))
            fail(QStringLiteral("the file ends inside the answer grid"));
        const QStringList cells = cellsOf(line);
        for (int c = 1; c <= p.MasMaxX; ++c) {
            MasData& m = p.Mas[p.index(r, c)];
            m.Answer = c - 1 < cells.size() ? cells[c - 1] : QStringLiteral(" ");
            const bool black = m.Answer == BlackSquare;
            if (black != (m.Kind == 1))
                fail(QStringLiteral("line %1: column %2 of the answer grid does not match its cell kind")
                         .arg(lineNumber).arg(c));
            if (!black && m.Answer.trimmed().isEmpty())
                fail(QStringLiteral("line %1: column %2 of the answer grid is empty").arg(lineNumber).arg(c));
            if (black) {
                m.Entry = BlackSquare;
            } else {
                m.Entry = EmptyEntry;
                m.PrevEntry = EmptyEntry;
            }
        }
    }
}

// Reads the start numbers of one direction and checks them against the kinds.
void readWordStarts(ItemReader& reader, Puzzle& p, bool across, std::vector<int>& startCount)
{
    const int low = across ? 1 : p.DownQuesTop;
    const int high = across ? p.DownQuesTop - 1 : p.QuesNmbMax;
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int line = reader.lineNumber();
            const int q = readInt(reader, across ? "an across word number" : "a down word number");
            if (q == 0)
                continue;
            MasData& m = p.Mas[p.index(r, c)];
            if (q < low || q > high)
                fail(QStringLiteral("line %1: word number %2 is not an %3 word")
                         .arg(line).arg(q).arg(across ? QStringLiteral("across") : QStringLiteral("down")));
            const int needed = across ? 2 : 3;
            if (m.Kind != needed && m.Kind != 4)
                fail(QStringLiteral("line %1: word %2 starts in a cell of kind %3").arg(line).arg(q).arg(m.Kind));
            if (++startCount[q] > 1)
                fail(QStringLiteral("line %1: word %2 starts twice").arg(line).arg(q));
            (across ? m.AcrossNmb : m.DownNmb) = q;
        }
    }
}

void readWordLines(ItemReader& reader, Puzzle& p)
{
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        QString line;
        if (!reader.readLine(line))
            fail(QStringLiteral("the file ends before the line of word %1").arg(q));
        QuesData& w = p.Ques[q];
        CutField(line);
        QString* fields[] = {&w.QuesText, &w.AnswerText, &w.Reading, &w.ID, &w.CN, &w.BN, &w.QN, &w.AN};
        for (QString* field : fields)
            *field = CutField(line);
        w.SN = line;
    }
}

Puzzle parseSection(const QStringList& lines, int n)
{
    ItemReader reader(lines);
    const QString marker = QStringLiteral(";#") + QString::number(n);
    QString line;
    bool found = false;
    while (reader.readLine(line)) {
        if (line == marker) {
            found = true;
            break;
        }
    }
    if (!found)
        fail(QStringLiteral("the file has no puzzle %1 (no line \"%2\")").arg(n).arg(marker));

    Puzzle p;
    skipLine(reader, "grid size");
    p.MasMaxY = readIntIn(reader, "the number of rows", 1, MaxGridSide);
    p.MasMaxX = readIntIn(reader, "the number of columns", 1, MaxGridSide);
    skipLine(reader, "word counts");
    p.CrossLevel = readInt(reader, "the level");
    // A grid holds at most one across and one down word per cell.
    const int maxWords = 2 * p.MasMaxX * p.MasMaxY;
    p.QuesNmbMax = readIntIn(reader, "the number of words", 1, maxWords);
    p.DownQuesTop = readIntIn(reader, "the first down word", 1, p.QuesNmbMax + 1);

    p.MasLineLen = p.MasMaxX + 2;
    p.MasLast = (p.MasMaxY + 2) * p.MasLineLen - 1;
    p.Mas.assign(p.MasLast + 1, MasData{});
    p.Ques.assign(p.QuesNmbMax + 1, QuesData{});

    skipLine(reader, "cell kinds");
    readKinds(reader, p);
    skipLine(reader, "answer grid");
    readAnswers(reader, p);
    std::vector<int> startCount(p.QuesNmbMax + 1, 0);
    skipLine(reader, "across word numbers");
    readWordStarts(reader, p, true, startCount);
    skipLine(reader, "down word numbers");
    readWordStarts(reader, p, false, startCount);
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        if (startCount[q] == 0)
            fail(QStringLiteral("word %1 starts in no cell").arg(q));
    }
    skipLine(reader, "word lines");
    readWordLines(reader, p);

    SetMasQuesNmb(p);
    SetQuesAnswer(p);
    return p;
}

} // namespace

CrossReadResult parseCrossFile(const QByteArray& bytes, int n)
{
    CrossReadResult result;
    bool decoded = true;
    const QString text = form::fromCp932(bytes, &decoded);
    if (!decoded) {
        result.error = QStringLiteral("the file is not Shift-JIS text");
        return result;
    }
    try {
        result.puzzle = parseSection(form::splitLines(text), n);
        result.ok = true;
    } catch (const Failure& failure) {
        result.error = failure.message;
    }
    return result;
}

CrossReadResult readCrossFileAt(const QString& path, int n)
{
    CrossReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open %1").arg(path);
        return result;
    }
    if (file.size() > MaxPlayFileBytes) {
        result.error = QStringLiteral("%1 is too large for a play file").arg(path);
        return result;
    }
    return parseCrossFile(file.readAll(), n);
}

QString CutField(QString& line)
{
    const int comma = line.indexOf(u',');
    QString field;
    if (comma < 0) {
        field = line;
        line.clear();
    } else if (comma == 0) {
        field = QStringLiteral("0");
        line.remove(0, 1);
    } else {
        field = line.left(comma);
        line.remove(0, comma + 1);
    }
    return field;
}

namespace {

// Calls visit(start cell, word number, step, across) for every word start of the grid,
// across words first, then down words.
template <typename Visit>
void forEachWordStart(const Puzzle& p, Visit visit)
{
    for (int pass = 0; pass < 2; ++pass) {
        const bool across = pass == 0;
        const int step = across ? 1 : p.MasLineLen;
        for (int r = 1; r <= p.MasMaxY; ++r) {
            for (int c = 1; c <= p.MasMaxX; ++c) {
                const int start = p.index(r, c);
                const int q = across ? p.Mas[start].AcrossNmb : p.Mas[start].DownNmb;
                if (p.Mas[start].Kind != 1 && q != 0)
                    visit(start, q, step, across);
            }
        }
    }
}

} // namespace

void SetMasQuesNmb(Puzzle& p)
{
    forEachWordStart(p, [&p](int start, int q, int step, bool across) {
        // The border is black, so every walk ends inside the grid.
        for (int i = start; p.Mas[i].Kind != 1; i += step)
            (across ? p.Mas[i].AcrossQues : p.Mas[i].DownQues) = q;
    });
}

void SetQuesAnswer(Puzzle& p)
{
    forEachWordStart(p, [&p](int start, int q, int step, bool) {
        QString answer;
        int i = start;
        for (; p.Mas[i].Kind != 1; i += step)
            answer += p.Mas[i].Answer;
        QuesData& w = p.Ques[q];
        w.StartMas = start;
        w.Length = (i - start) / step;
        w.Answer = answer;
    });
}
