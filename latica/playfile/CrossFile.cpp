#include "CrossFile.h"

#include "ItemReader.h"
#include "OpenCrosswordImport.h"
#include "form/Cp932.h"

#include <QFile>

#include <algorithm>

namespace {

const QString BlackSquare = QStringLiteral("■");
const QString EmptyEntry = QStringLiteral("　");

// Thrown when the reader loses its place: what follows cannot be read in step.
struct Stop {};

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

class SectionReader {
public:
    SectionReader(const QStringList& lines, CrossReadResult& result) : m_in(lines), m_result(result) {}

    void read(int n);

private:
    Puzzle& p() { return m_result.puzzle; }
    CrossSourceLines& lineOf() { return m_result.lines; }

    void report(int line, const QString& message) { m_result.problems.push_back({line, message}); }
    [[noreturn]] void stop(int line, const QString& message)
    {
        report(line, message);
        throw Stop{};
    }
    // The line where the file ended, for "the file ends here" problems.
    int lastLine() const { return std::max(1, m_in.lineCount()); }

    void skipCaption(const char* before)
    {
        QString ignored;
        if (!m_in.readLine(ignored))
            stop(lastLine(), QStringLiteral("the file ends here; expected the caption line before the %1")
                                 .arg(QString::fromUtf8(before)));
    }
    // `what` gives the description of the item; it is only made for a message.
    template <typename What>
    int readInt(What what)
    {
        QString item;
        if (!m_in.readItem(item))
            stop(lastLine(), QStringLiteral("the file ends here; expected %1").arg(what()));
        bool ok = false;
        const int value = item.toInt(&ok, 10);
        if (!ok)
            stop(m_in.lastLine(), QStringLiteral("expected %1, found \"%2\"").arg(what(), item));
        return value;
    }
    int readIntIn(const char* what, int low, int high)
    {
        const auto describe = [what] { return QString::fromUtf8(what); };
        const int value = readInt(describe);
        if (value < low || value > high)
            stop(m_in.lastLine(), QStringLiteral("%1 is %2; expected %3..%4").arg(describe()).arg(value).arg(low).arg(high));
        return value;
    }

    void readKinds();
    void readAnswers();
    void readWordStarts(bool across, std::vector<int>& startCount);
    void readWordLines();

    ItemReader m_in;
    CrossReadResult& m_result;
};

void SectionReader::read(int n)
{
    const QString marker = QStringLiteral(";#") + QString::number(n);
    QString line;
    bool found = false;
    while (m_in.readLine(line)) {
        if (line == marker) {
            found = true;
            break;
        }
    }
    if (!found)
        stop(0, QStringLiteral("the file has no puzzle %1 (no line \"%2\")").arg(n).arg(marker));
    lineOf().marker = m_in.lastLine();

    skipCaption("grid size");
    p().MasMaxY = readIntIn("the number of rows", 1, MaxGridSide);
    p().MasMaxX = readIntIn("the number of columns", 1, MaxGridSide);
    skipCaption("word counts");
    p().CrossLevel = readInt([] { return QStringLiteral("the level"); });
    lineOf().counts = m_in.lastLine();
    // A grid holds at most one across and one down word per cell.
    const int maxWords = 2 * p().MasMaxX * p().MasMaxY;
    p().QuesNmbMax = readIntIn("the number of words", 1, maxWords);
    p().DownQuesTop = readIntIn("the first down word", 1, p().QuesNmbMax + 1);

    p().MasLineLen = p().MasMaxX + 2;
    p().MasLast = (p().MasMaxY + 2) * p().MasLineLen - 1;
    p().Mas.assign(p().MasLast + 1, MasData{});
    p().Ques.assign(p().QuesNmbMax + 1, QuesData{});
    lineOf().kind.assign(p().MasLast + 1, 0);
    lineOf().acrossNmb.assign(p().MasLast + 1, 0);
    lineOf().downNmb.assign(p().MasLast + 1, 0);
    lineOf().answerRow.assign(p().MasMaxY + 1, 0);
    lineOf().wordLine.assign(p().QuesNmbMax + 1, 0);

    skipCaption("cell kinds");
    readKinds();
    skipCaption("answer grid");
    readAnswers();
    std::vector<int> startCount(p().QuesNmbMax + 1, 0);
    skipCaption("across word numbers");
    readWordStarts(true, startCount);
    skipCaption("down word numbers");
    readWordStarts(false, startCount);
    for (int q = 1; q <= p().QuesNmbMax; ++q) {
        if (startCount[q] == 0)
            report(lineOf().counts, QStringLiteral("word %1 starts in no cell; the number tables must place each of "
                                               "the %2 words")
                                    .arg(q).arg(p().QuesNmbMax));
    }
    skipCaption("word lines");
    readWordLines();
}

void SectionReader::readKinds()
{
    for (int i = 0; i <= p().MasLast; ++i) {
        const int row = i / p().MasLineLen, column = i % p().MasLineLen;
        int kind = readInt([&] { return QStringLiteral("the cell kind of %1").arg(cellName(row, column)); });
        lineOf().kind[i] = m_in.lastLine();
        const bool border = row == 0 || row == p().MasMaxY + 1 || column == 0 || column == p().MasMaxX + 1;
        if (kind < 1 || kind > 4) {
            report(m_in.lastLine(), QStringLiteral("%1 has cell kind %2; expected 1..4").arg(cellName(row, column)).arg(kind));
            kind = 1;
        } else if (border && kind != 1) {
            report(m_in.lastLine(), QStringLiteral("the border cell at %1 has kind %2; expected 1 (black)")
                                        .arg(cellName(row, column)).arg(kind));
            kind = 1;
        }
        // A kind out of place is read as black, so every walk still ends at the border.
        p().Mas[i].Kind = kind;
    }
}

void SectionReader::readAnswers()
{
    for (int r = 1; r <= p().MasMaxY; ++r) {
        QString line;
        if (!m_in.readLine(line))
            stop(lastLine(), QStringLiteral("the file ends here; expected row %1 of the answer grid").arg(r));
        const int lineNumber = m_in.lastLine();
        lineOf().answerRow[r] = lineNumber;
        const QStringList cells = cellsOf(line);
        for (int c = 1; c <= p().MasMaxX; ++c) {
            MasData& m = p().Mas[p().index(r, c)];
            m.Answer = c - 1 < cells.size() ? cells[c - 1] : QStringLiteral(" ");
            const bool black = m.Answer == BlackSquare;
            if (black && m.Kind != 1)
                report(lineNumber, QStringLiteral("%1 of the answer grid is ■ but its cell kind is %2; expected a letter")
                                       .arg(cellName(r, c)).arg(m.Kind));
            else if (!black && m.Kind == 1)
                report(lineNumber, QStringLiteral("%1 of the answer grid is \"%2\" but its cell kind is 1; expected ■")
                                       .arg(cellName(r, c), m.Answer));
            else if (!black && m.Answer.trimmed().isEmpty())
                report(lineNumber, QStringLiteral("%1 of the answer grid is empty; expected a letter").arg(cellName(r, c)));
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
void SectionReader::readWordStarts(bool across, std::vector<int>& startCount)
{
    const QString direction = across ? QStringLiteral("across") : QStringLiteral("down");
    const int low = across ? 1 : p().DownQuesTop;
    const int high = across ? p().DownQuesTop - 1 : p().QuesNmbMax;
    for (int r = 1; r <= p().MasMaxY; ++r) {
        for (int c = 1; c <= p().MasMaxX; ++c) {
            const int q = readInt([&] { return QStringLiteral("the %1 word number of %2").arg(direction, cellName(r, c)); });
            const int line = m_in.lastLine();
            const int i = p().index(r, c);
            (across ? lineOf().acrossNmb : lineOf().downNmb)[i] = line;
            if (q == 0)
                continue;
            MasData& m = p().Mas[i];
            if (q < low || q > high) {
                report(line, QStringLiteral("%1 starts %2 word %3; the %2 words are %4..%5 (the first down word is %6)")
                                 .arg(cellName(r, c), direction).arg(q).arg(low).arg(high).arg(p().DownQuesTop));
                continue;
            }
            const int needed = across ? 2 : 3;
            if (m.Kind != needed && m.Kind != 4)
                report(line, QStringLiteral("%1 word %2 starts at %3, a cell of kind %4; expected kind %5 or 4")
                                 .arg(direction).arg(q).arg(cellName(r, c)).arg(m.Kind).arg(needed));
            if (++startCount[q] > 1) {
                report(line, QStringLiteral("word %1 starts a second time at %2").arg(q).arg(cellName(r, c)));
                continue;
            }
            (across ? m.AcrossNmb : m.DownNmb) = q;
        }
    }
}

void SectionReader::readWordLines()
{
    for (int q = 1; q <= p().QuesNmbMax; ++q) {
        QString line;
        if (!m_in.readLine(line))
            stop(lastLine(), QStringLiteral("the file ends here; expected the line of word %1 of %2").arg(q).arg(p().QuesNmbMax));
        lineOf().wordLine[q] = m_in.lastLine();
        QuesData& w = p().Ques[q];
        CutField(line);
        QString* fields[] = {&w.QuesText, &w.AnswerText, &w.Reading, &w.ID, &w.CN, &w.BN, &w.QN, &w.AN};
        for (QString* field : fields)
            *field = CutField(line);
        w.SN = line;
    }
}

// The first line (from 1) of the bytes that holds a byte matching `bad`.
template <typename Bad>
int firstLineWith(const QByteArray& bytes, Bad bad)
{
    int line = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (bad(bytes.mid(start, end - start)))
            return line;
        ++line;
        start = end + 1;
    }
    return 0;
}

// The kinds and the word numbers must describe the same words: a word starts after a
// black square or the border, and a white cell lies in a word of each direction its kind
// names and of no other. Where they disagree the cursor would find cells of no word.
void checkWordRuns(CrossReadResult& result)
{
    const Puzzle& p = result.puzzle;
    const CrossSourceLines& lineOf = result.lines;
    const auto report = [&result](int line, const QString& message) { result.problems.push_back({line, message}); };
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            const MasData& m = p.Mas[i];
            if (m.Kind == 1)
                continue;
            if (m.AcrossNmb != 0 && p.Mas[i - 1].Kind != 1)
                report(lineOf.acrossNmb[i], QStringLiteral("across word %1 starts at %2, right after a white cell; "
                                                           "expected a black square or the border before it")
                                                .arg(m.AcrossNmb).arg(cellName(r, c)));
            if (m.DownNmb != 0 && p.Mas[i - p.MasLineLen].Kind != 1)
                report(lineOf.downNmb[i], QStringLiteral("down word %1 starts at %2, right below a white cell; "
                                                         "expected a black square or the border above it")
                                              .arg(m.DownNmb).arg(cellName(r, c)));
            const bool across = m.Kind == 2 || m.Kind == 4;
            const bool down = m.Kind == 3 || m.Kind == 4;
            if (across != (m.AcrossQues != 0))
                report(lineOf.kind[i], across ? QStringLiteral("%1 has cell kind %2, but no across word runs through it")
                                                    .arg(cellName(r, c)).arg(m.Kind)
                                              : QStringLiteral("%1 has cell kind %2, but across word %3 runs through it")
                                                    .arg(cellName(r, c)).arg(m.Kind).arg(m.AcrossQues));
            if (down != (m.DownQues != 0))
                report(lineOf.kind[i], down ? QStringLiteral("%1 has cell kind %2, but no down word runs through it")
                                                  .arg(cellName(r, c)).arg(m.Kind)
                                            : QStringLiteral("%1 has cell kind %2, but down word %3 runs through it")
                                                  .arg(cellName(r, c)).arg(m.Kind).arg(m.DownQues));
        }
    }
}

} // namespace

QString PlayFileProblem::text() const
{
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(message) : message;
}

PlayFileText decodePlayFile(const QByteArray& bytes)
{
    PlayFileText text;
    if (bytes.contains('\0')) {
        text.problem = {firstLineWith(bytes, [](const QByteArray& l) { return l.contains('\0'); }),
                        QStringLiteral("the text holds NUL bytes (UTF-16?); a play file is Shift-JIS (CP932) text")};
        return text;
    }
    if (form::isUtf8Text(bytes)) {
        text.problem = {firstLineWith(bytes, [](const QByteArray& l) { return form::isUtf8Text(l); }),
                        QStringLiteral("the text is UTF-8; a play file is Shift-JIS (CP932) text")};
        return text;
    }
    bool decoded = true;
    const QString all = form::fromCp932(bytes, &decoded);
    if (!decoded) {
        const int line = firstLineWith(bytes, [](const QByteArray& l) {
            bool ok = true;
            form::fromCp932(l, &ok);
            return !ok;
        });
        text.problem = {line, QStringLiteral("bytes that are not Shift-JIS (CP932) text")};
        return text;
    }
    text.lines = form::splitLines(all);
    text.ok = true;
    return text;
}

CrossReadResult parseCrossLines(const QStringList& lines, int n)
{
    CrossReadResult result;
    SectionReader reader(lines, result);
    try {
        reader.read(n);
        result.complete = true;
        SetMasQuesNmb(result.puzzle);
        SetQuesAnswer(result.puzzle);
        checkWordRuns(result);
    } catch (const Stop&) {
    }
    result.ok = result.problems.empty();
    if (!result.ok)
        result.error = result.problems.front().text();
    return result;
}

CrossReadResult parseCrossFile(const QByteArray& bytes, int n)
{
    const PlayFileText text = decodePlayFile(bytes);
    if (!text.ok) {
        CrossReadResult result;
        result.problems.push_back(text.problem);
        result.error = text.problem.text();
        return result;
    }
    return parseCrossLines(text.lines, n);
}

CrossReadResult readCrossFileAt(const QString& path, int n)
{
    CrossReadResult result;
    if (isOpenCrosswordPath(path)) {
        // An open crossword is a play file of one puzzle.
        ImportedCrossword imported = importOpenCrosswordFile(path);
        if (!imported.ok)
            result.error = imported.error;
        else if (n != 1)
            result.error = QStringLiteral("%1 holds one puzzle; there is no puzzle %2").arg(path).arg(n);
        else
            result.puzzle = std::move(imported.puzzle);
        result.ok = result.error.isEmpty();
        result.complete = result.ok;
        if (!result.ok)
            result.problems.push_back({0, result.error});
        return result;
    }
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

QString cellName(int row, int column)
{
    return QStringLiteral("row %1 column %2").arg(row).arg(column);
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
