#include "PlayFileHeader.h"

#include "CrossFile.h"
#include "OpenCrosswordImport.h"
#include "form/Cp932.h"

#include <QFile>

int leadingNumber(const QString& text)
{
    int i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > 1000000000)
            break; // far beyond any count; keeps the value in range
    }
    return static_cast<int>(negative ? -value : value);
}

PlayFileHeader parsePlayFileHeader(const QStringList& lines)
{
    PlayFileHeader header;
    if (lines.size() < 4) {
        header.errorLine = int(lines.size());
        header.error = QStringLiteral("the header is shorter than four lines (title, keypad mode, caption, "
                                      "number of puzzles)");
        return header;
    }
    // 1 is kana entry; every other value plays as letters.
    header.keypadMode = leadingNumber(lines[1]) == 1 ? 1 : 0;
    header.crossCount = leadingNumber(lines[3]);
    if (header.crossCount < 1 || header.crossCount > MaxCrossCount) {
        header.errorLine = 4;
        header.error = QStringLiteral("the number of puzzles is \"%1\"; expected 1..%2")
                           .arg(lines[3].trimmed().left(20)).arg(MaxCrossCount);
        return header;
    }
    header.ok = true;
    return header;
}

PlayFileHeader readPlayFileHeader(const QString& path)
{
    PlayFileHeader header;
    if (isOpenCrosswordPath(path)) {
        // An open crossword plays as a play file with one puzzle.
        const ImportedCrossword imported = importOpenCrosswordFile(path);
        header.ok = imported.ok;
        header.error = imported.ok ? QString() : QStringLiteral("%1: %2").arg(path, imported.error);
        header.keypadMode = imported.keypadMode;
        header.crossCount = imported.ok ? 1 : 0;
        return header;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        header.error = QStringLiteral("cannot open %1").arg(path);
        return header;
    }
    if (file.size() > MaxPlayFileBytes) {
        header.error = QStringLiteral("%1 is too large for a play file").arg(path);
        return header;
    }
    // The four header lines, each whole however long (line 1 is free text).
    QByteArray head;
    for (int i = 0; i < 4 && !file.atEnd(); ++i)
        head += file.readLine();
    header = playFileHeaderOf(head);
    if (!header.ok)
        header.error = QStringLiteral("%1: %2").arg(path, header.error);
    return header;
}

PlayFileHeader playFileHeaderOf(const QByteArray& bytes)
{
    // A line feed byte never stands inside a CP932 character, so lines split on bytes.
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < 4 && start < bytes.size()) {
        const qsizetype feed = bytes.indexOf('\n', start);
        const qsizetype end = feed < 0 ? bytes.size() : feed + 1;
        lines.append(form::splitLines(form::fromCp932(bytes.mid(start, end - start))).value(0));
        start = end;
    }
    return parsePlayFileHeader(lines);
}

QString checkPlayFile(const QString& path)
{
    if (isOpenCrosswordPath(path))
        return importOpenCrosswordFile(path).error;
    const PlayFileHeader header = readPlayFileHeader(path);
    if (!header.ok)
        return header.error;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open %1").arg(path);
    return checkPlayFileBytes(file.readAll(), path);
}

QString checkPlayFileBytes(const QByteArray& bytes, const QString& name)
{
    const PlayFileHeader header = playFileHeaderOf(bytes);
    if (!header.ok)
        return name.isEmpty() ? header.error : QStringLiteral("%1: %2").arg(name, header.error);
    const PlayFileText text = decodePlayFile(bytes);
    if (!text.ok)
        return text.problem.text();
    for (int n = 1; n <= header.crossCount; ++n) {
        const CrossReadResult puzzle = parseCrossLines(text.lines, n);
        if (!puzzle.ok)
            return QStringLiteral("puzzle %1: %2").arg(n).arg(puzzle.error);
    }
    return {};
}
