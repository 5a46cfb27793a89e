#include "ItemReader.h"

bool ItemReader::readLine(QString& line)
{
    if (atEnd())
        return false;
    line = m_lines[m_line].mid(m_column);
    m_lastLine = ++m_line;
    m_column = 0;
    return true;
}

bool ItemReader::readItem(QString& item)
{
    // An item never starts in the empty rest of a line that a trailing comma left.
    while (!atEnd() && m_column > 0 && m_column >= m_lines[m_line].size()) {
        ++m_line;
        m_column = 0;
    }
    if (atEnd())
        return false;
    const QString& text = m_lines[m_line];
    m_lastLine = m_line + 1;
    int pos = m_column;
    while (pos < text.size() && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    QString value;
    if (pos < text.size() && text[pos] == u'"') {
        const int close = text.indexOf(u'"', pos + 1);
        const int end = close < 0 ? text.size() : close;
        value = text.mid(pos + 1, end - pos - 1);
        pos = close < 0 ? text.size() : close + 1;
        const int comma = text.indexOf(u',', pos);
        pos = comma < 0 ? text.size() : comma;
    } else {
        const int comma = text.indexOf(u',', pos);
        const int end = comma < 0 ? text.size() : comma;
        value = text.mid(pos, end - pos).trimmed();
        pos = end;
    }
    if (pos < text.size()) {
        m_column = pos + 1; // past the comma
    } else {
        ++m_line;
        m_column = 0;
    }
    item = value;
    return true;
}

bool ItemReader::readInt(int& value)
{
    QString item;
    if (!readItem(item))
        return false;
    bool ok = false;
    const int parsed = item.toInt(&ok, 10);
    if (!ok)
        return false;
    value = parsed;
    return true;
}
