#include "BoardFile.h"

#include "form/Cp932.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileName.h"
#include "playfile/Puzzle.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>

namespace board {

namespace {

const QString Black = QStringLiteral("■");
const QString Empty = QStringLiteral("　");
const QString Caption = QStringLiteral(
    ";解きかけのパズルの記入：#問題番号,行数,列数,経過秒数　のあとに1行ずつ（■は黒マス、　は空きマス）");

// The characters of a text; a surrogate pair is one character.
QStringList charactersOf(const QString& text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype size = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        characters << text.mid(i, size);
        i += size - 1;
    }
    return characters;
}

qsizetype characterCount(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count)
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            ++i;
    return count;
}

// "#number,rows,columns,seconds" (version 1: without the seconds) with each number in
// range, or number 0.
struct Header {
    int number = 0, rows = 0, columns = 0, seconds = 0;
};

Header headerOf(const QString& line, int version)
{
    static const QRegularExpression pattern(
        QStringLiteral("^#([0-9]{1,6}),([0-9]{1,3}),([0-9]{1,3})(?:,([0-9]{1,6}))?$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch() || match.hasCaptured(4) != (version >= 2))
        return {};
    const Header h{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                   match.captured(4).toInt()};
    if (h.number < 1 || h.rows < 1 || h.rows > MaxGridSide || h.columns < 1 || h.columns > MaxGridSide)
        return {};
    return h;
}

// The fault of one row of a board, or empty.
QString rowFault(const QString& row, int columns)
{
    if (row.contains(QChar::ReplacementCharacter))
        return QStringLiteral("holds bytes that are not CP932");
    const qsizetype count = characterCount(row);
    if (count != columns)
        return QStringLiteral("has %1 characters where the header gives %2").arg(count).arg(columns);
    return {};
}

// The bytes go to a scratch file beside the file, which then takes its place in one rename:
// the file on disk is always the old one or the new one, whole. Unlike the record, the data
// are not forced to the disk at each write (that waits for the disk, 10 ms and more, after
// every typed character); a killed game loses nothing that the system has been given.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString scratch = path + QStringLiteral(".tmp");
    QFile file(scratch);
    // Unbuffered, a full disk fails the write itself rather than a later close.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.close();
        QFile::remove(scratch);
        return false;
    }
    file.close();
    std::error_code failed;
    std::filesystem::rename(std::filesystem::path(scratch.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), failed);
    if (failed) {
        if (error)
            *error = QString::fromStdString(failed.message());
        QFile::remove(scratch);
        return false;
    }
    return true;
}

} // namespace

QString fileNameFor(const QString& playFileTitle)
{
    return playFileBaseName(playFileTitle) + QStringLiteral(".sav");
}

ReadResult parse(const QByteArray& bytes)
{
    ReadResult result;
    const QStringList lines = form::splitLines(form::fromCp932(bytes));
    if (lines.isEmpty()) {
        result.problems << QStringLiteral("the file is empty");
        return result;
    }
    if (lines[0] != FirstLine && lines[0] != FirstLineVersion1) {
        result.problems << QStringLiteral("the first line is not \"%1\" (another format, another encoding or "
                                          "not a board file)").arg(FirstLine);
        return result;
    }
    const int version = lines[0] == FirstLine ? 2 : 1;
    const QString headerForm = version >= 2 ? QStringLiteral("\"#number,rows,columns,seconds\"")
                                            : QStringLiteral("\"#number,rows,columns\" (version 1)");
    qsizetype i = 1;
    while (i < lines.size()) {
        const QString& line = lines[i];
        const qsizetype lineNumber = i + 1;
        ++i;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const Header h = headerOf(line, version);
        if (h.number == 0) {
            result.problems << QStringLiteral("line %1 is neither a comment nor a header %2 "
                                              "with rows and columns 1..%3").arg(lineNumber).arg(headerForm).arg(MaxGridSide);
            // What follows up to the next header belonged to it.
            while (i < lines.size() && !lines[i].startsWith(QLatin1Char('#')))
                ++i;
            continue;
        }
        // A puzzle cut short ends where the next one starts.
        SavedBoard saved{h.rows, h.columns, {}, h.seconds};
        while (saved.rowTexts.size() < h.rows && i < lines.size() && headerOf(lines[i], version).number == 0)
            saved.rowTexts << lines[i++];
        QString fault;
        if (saved.rowTexts.size() < h.rows)
            fault = QStringLiteral("it ends after %1 of its %2 rows").arg(saved.rowTexts.size()).arg(h.rows);
        for (int r = 0; fault.isEmpty() && r < h.rows; ++r) {
            const QString rowFaultText = rowFault(saved.rowTexts[r], h.columns);
            if (!rowFaultText.isEmpty())
                fault = QStringLiteral("row %1 (line %2) %3").arg(r + 1).arg(lineNumber + 1 + r).arg(rowFaultText);
        }
        if (fault.isEmpty())
            result.boards[h.number] = saved;
        else
            result.problems << QStringLiteral("puzzle %1: %2").arg(h.number).arg(fault);
    }
    return result;
}

QStringList linesOf(const Boards& boards)
{
    QStringList lines{FirstLine, Caption};
    for (const auto& [number, saved] : boards) {
        lines << QStringLiteral("#%1,%2,%3,%4").arg(number).arg(saved.rows).arg(saved.columns)
                     .arg(std::clamp(saved.seconds, 0, 999999));  // what a header can hold
        lines << saved.rowTexts;
    }
    return lines;
}

ReadResult read(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.problems << QStringLiteral("cannot be read: %1").arg(file.errorString());
        return result;
    }
    if (file.size() > MaxPlayFileBytes) {
        ReadResult result;
        result.problems << QStringLiteral("is too large for a board file");
        return result;
    }
    return parse(file.readAll());
}

bool write(const QString& path, const Boards& boards, QString* error)
{
    if (boards.empty()) {
        QFile file(path);
        if (!file.exists() || file.remove())
            return true;
        if (error)
            *error = file.errorString();
        return false;
    }
    return replaceFile(path, form::toCp932(linesOf(boards).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")),
                       error);
}

SavedBoard boardOf(const Puzzle& p)
{
    SavedBoard saved{p.MasMaxY, p.MasMaxX, {}};
    for (int r = 1; r <= p.MasMaxY; ++r) {
        QString row;
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const MasData& m = p.Mas[size_t(p.index(r, c))];
            // A cell holds one character, and a line cannot hold a control character:
            // anything else is kept as an empty cell.
            const bool one = characterCount(m.Entry) == 1 && m.Entry[0].unicode() >= 0x20;
            row += m.Kind == 1 ? Black : one ? m.Entry : Empty;
        }
        saved.rowTexts << row;
    }
    return saved;
}

bool hasEntries(const SavedBoard& saved)
{
    for (const QString& row : saved.rowTexts)
        for (const QChar c : row)
            if (c != Black[0] && c != Empty[0])
                return true;
    return false;
}

QString misfit(const SavedBoard& saved, const Puzzle& p)
{
    if (saved.rows != p.MasMaxY || saved.columns != p.MasMaxX)
        return QStringLiteral("it is %1 rows by %2 columns, the puzzle %3 by %4")
            .arg(saved.rows).arg(saved.columns).arg(p.MasMaxY).arg(p.MasMaxX);
    for (int r = 1; r <= p.MasMaxY; ++r) {
        const QStringList cells = charactersOf(saved.rowTexts.value(r - 1));
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const bool savedBlack = cells.value(c - 1) == Black;
            if (savedBlack != (p.Mas[size_t(p.index(r, c))].Kind == 1))
                return QStringLiteral("row %1, column %2 is %3 there and %4 in the puzzle")
                    .arg(r).arg(c)
                    .arg(savedBlack ? QStringLiteral("black") : QStringLiteral("white"))
                    .arg(savedBlack ? QStringLiteral("white") : QStringLiteral("black"));
        }
    }
    return {};
}

void putInto(const SavedBoard& saved, Puzzle& p)
{
    for (int r = 1; r <= p.MasMaxY; ++r) {
        const QStringList cells = charactersOf(saved.rowTexts.value(r - 1));
        for (int c = 1; c <= p.MasMaxX; ++c) {
            MasData& m = p.Mas[size_t(p.index(r, c))];
            if (m.Kind != 1 && c - 1 < cells.size())
                m.Entry = cells[c - 1];
        }
    }
}

} // namespace board
