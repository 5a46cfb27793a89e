// The .ipuz reader: a JSON object of version 1 or 2 whose kind is a crossword. The puzzle
// grid gives the blocks, the solution the letters, "clues" the Across and Down lists.
#include "CrossFile.h"
#include "IpuzFormat.h"
#include "OpenCrossword.h"
#include "Refusal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// A JSON value as text for a message, cut short.
QString shown(const QJsonValue& value)
{
    QString text;
    if (value.isString())
        text = QLatin1Char('"') + value.toString() + QLatin1Char('"');
    else if (value.isDouble())
        text = QString::number(value.toDouble());
    else if (value.isNull() || value.isUndefined())
        text = QStringLiteral("null");
    else
        text = QString::fromUtf8((value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject()))
                                     .toJson(QJsonDocument::Compact));
    return text.size() > 40 ? text.left(40) + QStringLiteral("…") : text;
}

// A whole number from a JSON number or a string of digits; false for anything else.
bool wholeNumber(const QJsonValue& value, int& number)
{
    if (value.isDouble()) {
        const double d = value.toDouble();
        // The range first: a huge number (or NaN) does not convert to an integer.
        if (!(d >= 0 && d <= 1e6) || d != std::floor(d))
            return false;
        number = int(d);
        return true;
    }
    if (!value.isString())
        return false;
    bool ok = false;
    number = value.toString().trimmed().toInt(&ok, 10);
    return ok && number >= 0 && number <= 1000000;
}

// The text of a field that holds a string, empty when it is missing.
QString textField(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        refuse(QStringLiteral("\"%1\" is %2; expected a string").arg(QLatin1String(name), shown(value)));
    return value.toString();
}

class IpuzReader {
public:
    explicit IpuzReader(const QJsonObject& root) : m_root(root) {}
    OpenCrossword read();

private:
    void readHeader();
    // The rows of a grid field, checked against the dimensions.
    QJsonArray gridRows(const char* name, const QString& what);
    void readBlocks();
    void readSolution();
    void readClues();
    std::vector<OpenClue> readClueList(const QJsonValue& list, const QString& direction);
    void readWordsExtension();

    const QJsonObject& m_root;
    OpenCrossword m_c;
    QJsonValue m_block = QStringLiteral("#");
    std::vector<bool> m_white;
};

OpenCrossword IpuzReader::read()
{
    readHeader();
    readBlocks();
    readSolution();
    readClues();
    readWordsExtension();
    m_c.title = textField(m_root, "title");
    m_c.author = textField(m_root, "author");
    m_c.copyright = textField(m_root, "copyright");
    m_c.notes = textField(m_root, "notes");
    const QJsonValue difficulty = m_root.value(QLatin1String("difficulty"));
    m_c.difficulty = difficulty.isDouble() ? QString::number(difficulty.toDouble()) : difficulty.toString();
    return m_c;
}

void IpuzReader::readHeader()
{
    const QJsonValue version = m_root.value(QLatin1String("version"));
    const QString v = version.toString();
    if (v != QLatin1String(ipuz::VersionPrefix) + QLatin1Char('1') && v != QLatin1String(ipuz::VersionPrefix) + QLatin1Char('2'))
        refuse(QStringLiteral("the version is %1; expected \"%21\" or \"%22\"").arg(shown(version), QLatin1String(ipuz::VersionPrefix)));
    const QJsonValue kind = m_root.value(QLatin1String("kind"));
    bool crossword = false;
    for (const QJsonValue& k : kind.toArray())
        crossword = crossword || k.toString().startsWith(QLatin1String(ipuz::CrosswordKindPrefix));
    if (!crossword)
        refuse(QStringLiteral("the kind is %1; expected a crossword (\"%2\")").arg(shown(kind), QLatin1String(ipuz::CrosswordKind)));
    const QJsonObject dimensions = m_root.value(QLatin1String("dimensions")).toObject();
    const QJsonValue width = dimensions.value(QLatin1String("width")), height = dimensions.value(QLatin1String("height"));
    if (!wholeNumber(width, m_c.width) || !wholeNumber(height, m_c.height) || m_c.width < 1 || m_c.height < 1
        || m_c.width > MaxGridSide || m_c.height > MaxGridSide)
        refuse(QStringLiteral("the dimensions are %1 x %2; expected a width and a height of 1..%3")
                   .arg(shown(width), shown(height)).arg(MaxGridSide));
    if (m_root.contains(QLatin1String("block")))
        m_block = m_root.value(QLatin1String("block"));
}

QJsonArray IpuzReader::gridRows(const char* name, const QString& what)
{
    const QJsonValue value = m_root.value(QLatin1String(name));
    if (!value.isArray())
        refuse(QStringLiteral("the file has no %1 (\"%2\")").arg(what, QLatin1String(name)));
    const QJsonArray rows = value.toArray();
    if (rows.size() != m_c.height)
        refuse(QStringLiteral("the %1 has %2 rows; the dimensions say %3").arg(what).arg(rows.size()).arg(m_c.height));
    for (int r = 0; r < m_c.height; ++r) {
        const qsizetype cells = rows[r].toArray().size();
        if (!rows[r].isArray() || cells != m_c.width)
            refuse(QStringLiteral("row %1 of the %2 has %3 cells; the dimensions say %4").arg(r + 1).arg(what).arg(cells).arg(m_c.width));
    }
    return rows;
}

void IpuzReader::readBlocks()
{
    const QJsonArray rows = gridRows("puzzle", QStringLiteral("puzzle grid"));
    m_white.assign(size_t(m_c.width) * size_t(m_c.height), false);
    for (int r = 0; r < m_c.height; ++r) {
        const QJsonArray row = rows[r].toArray();
        for (int c = 0; c < m_c.width; ++c) {
            QJsonValue cell = row[c];
            if (cell.isObject())
                cell = cell.toObject().value(QLatin1String("cell"));
            // An omitted cell (null) is a block too.
            const bool block = cell.isNull() || cell.isUndefined() || cell == m_block;
            if (!block && !cell.isDouble() && !cell.isString())
                refuse(QStringLiteral("%1 of the puzzle grid is %2; expected a number, a string or \"%3\"")
                           .arg(cellName(r + 1, c + 1), shown(row[c]), m_block.toString()));
            m_white[size_t(r) * size_t(m_c.width) + size_t(c)] = !block;
        }
    }
}

void IpuzReader::readSolution()
{
    const QJsonArray rows = gridRows("solution", QStringLiteral("solution"));
    m_c.solution.assign(m_white.size(), QString());
    for (int r = 0; r < m_c.height; ++r) {
        const QJsonArray row = rows[r].toArray();
        for (int c = 0; c < m_c.width; ++c) {
            QJsonValue cell = row[c];
            if (cell.isObject())
                cell = cell.toObject().value(QLatin1String("value"));
            const size_t i = size_t(r) * size_t(m_c.width) + size_t(c);
            const bool block = cell.isNull() || cell.isUndefined() || cell == m_block;
            if (!m_white[i]) {
                if (!block)
                    refuse(QStringLiteral("%1 is a block in the puzzle grid but %2 in the solution").arg(cellName(r + 1, c + 1), shown(row[c])));
                continue;
            }
            if (block || !cell.isString() || cell.toString().trimmed().isEmpty())
                refuse(QStringLiteral("%1 is white in the puzzle grid but its solution is %2; expected its letter")
                           .arg(cellName(r + 1, c + 1), shown(row[c])));
            m_c.solution[i] = cell.toString();
        }
    }
}

void IpuzReader::readClues()
{
    const QJsonValue clues = m_root.value(QLatin1String("clues"));
    if (!clues.isObject())
        refuse(QStringLiteral("the file has no clues (\"clues\" with \"Across\" and \"Down\")"));
    const QJsonObject lists = clues.toObject();
    for (auto it = lists.begin(); it != lists.end(); ++it) {
        // A direction may carry a label after a colon: "Across:Horizontal".
        const QString direction = it.key().section(QLatin1Char(':'), 0, 0);
        if (direction == QLatin1String("Across"))
            m_c.across = readClueList(it.value(), direction);
        else if (direction == QLatin1String("Down"))
            m_c.down = readClueList(it.value(), direction);
        else
            refuse(QStringLiteral("the clues of direction \"%1\"; a puzzle of the game has Across and Down only").arg(it.key()));
    }
}

std::vector<OpenClue> IpuzReader::readClueList(const QJsonValue& list, const QString& direction)
{
    if (!list.isArray())
        refuse(QStringLiteral("the %1 clues are %2; expected a list").arg(direction, shown(list)));
    std::vector<OpenClue> clues;
    const QJsonArray array = list.toArray();
    for (qsizetype k = 0; k < array.size(); ++k) {
        const QJsonValue entry = array[k];
        OpenClue clue;
        QJsonValue number, text;
        if (entry.isString()) {
            text = entry;
        } else if (entry.isArray() && entry.toArray().size() == 2) {
            number = entry.toArray()[0];
            text = entry.toArray()[1];
        } else if (entry.isObject()) {
            number = entry.toObject().value(QLatin1String("number"));
            text = entry.toObject().value(QLatin1String("clue"));
        }
        const bool numbered = !(number.isUndefined() || number.isNull());
        if (!text.isString() || (numbered && (!wholeNumber(number, clue.number) || clue.number == 0)))
            refuse(QStringLiteral("%1 clue %2 is %3; expected a text, [number, text] or {\"number\": …, \"clue\": …}")
                       .arg(direction).arg(k + 1).arg(shown(entry)));
        clue.text = text.toString();
        clues.push_back(clue);
    }
    return clues;
}

void IpuzReader::readWordsExtension()
{
    const QJsonValue extension = m_root.value(QLatin1String(ipuz::WordsExtension));
    if (extension.isUndefined())
        return;
    const QJsonObject lists = extension.toObject();
    for (const bool across : {true, false}) {
        const QString direction = across ? QStringLiteral("Across") : QStringLiteral("Down");
        std::vector<OpenClue>& clues = across ? m_c.across : m_c.down;
        for (const QJsonValue& entry : lists.value(direction).toArray()) {
            const QJsonArray word = entry.toArray();
            int number = 0;
            if (word.size() != 3 || !wholeNumber(word[0], number) || !word[1].isString() || !word[2].isString())
                refuse(QStringLiteral("the %1 entry %2 is %3; expected [number, answer, reading]")
                           .arg(QLatin1String(ipuz::WordsExtension), direction, shown(entry)));
            for (OpenClue& clue : clues) {
                if (clue.number == number) {
                    clue.answer = word[1].toString();
                    clue.reading = word[2].toString();
                }
            }
        }
    }
}

} // namespace

OpenCrosswordRead readIpuz(const QByteArray& bytes)
{
    OpenCrosswordRead result;
    if (bytes.trimmed().isEmpty()) {
        result.error = QStringLiteral("the file is empty; expected an .ipuz crossword (JSON)");
        return result;
    }
    QJsonParseError parse;
    // A byte order mark before the text is allowed.
    const QJsonDocument document = QJsonDocument::fromJson(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        result.error = QStringLiteral("not JSON text: %1 at byte %2").arg(parse.errorString()).arg(parse.offset);
        return result;
    }
    if (!document.isObject()) {
        result.error = QStringLiteral("the JSON text is not an object; expected an .ipuz crossword");
        return result;
    }
    const QJsonObject root = document.object();
    try {
        result.crossword = IpuzReader(root).read();
        result.ok = true;
    } catch (const Refused& refused) {
        result.error = refused.reason;
    }
    return result;
}
