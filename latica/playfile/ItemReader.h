#pragma once
#include <QString>
#include <QStringList>

// Reads decoded text line by line or item by item. An item is a number or word ended by
// a comma or by the end of its line; the line end that ends an item is consumed with it,
// so a line read after the last item of a line is the next line. A comma right before
// the line end does not make an extra, empty item.
class ItemReader {
public:
    explicit ItemReader(QStringList lines) : m_lines(std::move(lines)) {}

    bool atEnd() const { return m_line >= m_lines.size(); }
    // The rest of the current line; false at the end of the text.
    bool readLine(QString& line);
    // The next item, quotes removed and blanks around it dropped.
    bool readItem(QString& item);
    // The next item as a decimal integer; false when it is missing or not a number.
    bool readInt(int& value);
    int lineNumber() const { return m_line + 1; }
    // The line (from 1) of the last item or line read.
    int lastLine() const { return m_lastLine; }
    int lineCount() const { return int(m_lines.size()); }

private:
    QStringList m_lines;
    int m_line = 0;
    int m_column = 0;
    int m_lastLine = 0;
};
