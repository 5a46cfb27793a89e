#include "PlayFileHeader.h"

#include "CrossFile.h"
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

PlayFileHeader readPlayFileHeader(const QString& path)
{
    PlayFileHeader header;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        header.error = QStringLiteral("cannot open %1").arg(path);
        return header;
    }
    if (file.size() > MaxPlayFileBytes) {
        header.error = QStringLiteral("%1 is too large for a play file").arg(path);
        return header;
    }
    // The four header lines, each whole however long (line 1 is free text). A line
    // feed byte never stands inside a CP932 character, so lines split on bytes.
    QStringList lines;
    while (lines.size() < 4 && !file.atEnd())
        lines.append(form::splitLines(form::fromCp932(file.readLine())).value(0));
    if (lines.size() < 4) {
        header.error = QStringLiteral("the header of %1 is shorter than four lines").arg(path);
        return header;
    }
    // 1 is kana entry; every other value plays as letters.
    header.keypadMode = leadingNumber(lines[1]) == 1 ? 1 : 0;
    header.crossCount = leadingNumber(lines[3]);
    if (header.crossCount < 1 || header.crossCount > MaxCrossCount) {
        header.error = QStringLiteral("%1 announces %2 puzzles").arg(path).arg(header.crossCount);
        return header;
    }
    header.ok = true;
    return header;
}

QString checkPlayFile(const QString& path)
{
    const PlayFileHeader header = readPlayFileHeader(path);
    if (!header.ok)
        return header.error;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open %1").arg(path);
    const QByteArray bytes = file.readAll();
    for (int n = 1; n <= header.crossCount; ++n) {
        const CrossReadResult puzzle = parseCrossFile(bytes, n);
        if (!puzzle.ok)
            return QStringLiteral("puzzle %1: %2").arg(n).arg(puzzle.error);
    }
    return {};
}
