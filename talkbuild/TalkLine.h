#pragma once
#include <QString>

// Column access to talk lines. Columns count UTF-16 characters from 1; columns past the
// end of a line read as nothing.
namespace tb::col {

inline constexpr QChar kEndMark = QChar(0x2234); // "∴"
inline constexpr int kTextColumn = 13;

inline QChar at(const QString& line, int column)
{
    return column >= 1 && column <= line.size() ? line[column - 1] : QChar();
}

inline QString mid(const QString& line, int column, int count)
{
    return line.mid(column - 1, count);
}

// Writes `text` over the line from `column` on; a short line is first filled with spaces.
inline void overwrite(QString& line, int column, const QString& text)
{
    const int end = column - 1 + int(text.size());
    if (line.size() < end)
        line = line.leftJustified(end, QLatin1Char(' '));
    line.replace(column - 1, text.size(), text);
}

inline bool endsTalk(const QString& line) { return line.endsWith(kEndMark); }

// The talk text of a talk line: column 13 to the end.
inline QString text(const QString& line) { return line.mid(kTextColumn - 1); }

// The number written in `count` columns from `column` when they are all ASCII digits,
// else -1.
inline int number(const QString& line, int column, int count)
{
    const QString digits = mid(line, column, count);
    if (digits.size() != count)
        return -1;
    int value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace tb::col
