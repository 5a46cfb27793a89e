// The .puz reader: a fixed header, the solution and player grids, NUL-terminated strings
// (title, author, copyright, the clues in number order, notes) and optional extra
// sections. Every offset is checked against the buffer before it is read.
#include "OpenCrossword.h"

#include "CrossFile.h"
#include "Refusal.h"

#include <cstring>

namespace {

constexpr qsizetype HeaderSize = 0x34;
constexpr char Magic[] = "ACROSS&DOWN";  // with its NUL: 12 bytes at 0x02
constexpr qsizetype MagicAt = 0x02, CibChecksumAt = 0x0E, VersionAt = 0x18, WidthAt = 0x2C,
                    HeightAt = 0x2D, ClueCountAt = 0x2E, ScrambledTagAt = 0x32, CibSize = 8;
constexpr qsizetype SectionHeadSize = 8;  // name, length, checksum

quint16 shortAt(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

// The format's running checksum: rotate right by one bit, then add the byte.
quint16 checksum(const char* data, qsizetype size, quint16 sum)
{
    for (qsizetype i = 0; i < size; ++i) {
        sum = quint16((sum >> 1) | ((sum & 1) << 15));
        sum = quint16(sum + quint8(data[i]));
    }
    return sum;
}

QString hex(quint16 value)
{
    return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0'));
}

// A string of the strings section: its bytes without the NUL and where it starts.
struct Field {
    qsizetype at = 0;
    QByteArray bytes;
};

// Whether text stored as ISO-8859-1 is really UTF-8: it holds bytes above 127 and they
// all form UTF-8 sequences.
bool looksUtf8(const QByteArray& bytes)
{
    bool high = false;
    for (const char c : bytes)
        high = high || quint8(c) >= 0x80;
    return high && !QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter);
}

class PuzReader {
public:
    explicit PuzReader(const QByteArray& bytes) : m_bytes(bytes) {}
    OpenCrossword read();

private:
    void readHeader();
    void readSolution();
    void numberGrid();
    Field readField(const QString& what);
    void checkOverallChecksum() const;
    void checkEncoding() const;
    void readSections();

    bool white(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < m_out.height && column < m_out.width &&
               !m_out.solution[size_t(row * m_out.width + column)].isEmpty();
    }

    const QByteArray& m_bytes;
    OpenCrossword m_out;
    qsizetype m_pos = 0;
    int m_clueCount = 0;
    bool m_notesInChecksum = true;
    // Per numbered cell in reading order: its number and which words start there.
    struct Start {
        int number;
        bool across, down;
    };
    std::vector<Start> m_starts;
    Field m_title, m_author, m_copyright, m_notes;
    std::vector<Field> m_clues;
};

OpenCrossword PuzReader::read()
{
    readHeader();
    readSolution();
    numberGrid();
    m_title = readField(QStringLiteral("the title"));
    m_author = readField(QStringLiteral("the author"));
    m_copyright = readField(QStringLiteral("the copyright"));
    for (int i = 0; i < m_clueCount; ++i)
        m_clues.push_back(readField(QStringLiteral("clue %1 of %2").arg(i + 1).arg(m_clueCount)));
    m_notes = readField(QStringLiteral("the notes"));
    checkOverallChecksum();
    checkEncoding();
    readSections();

    m_out.title = QString::fromLatin1(m_title.bytes);
    m_out.author = QString::fromLatin1(m_author.bytes);
    m_out.copyright = QString::fromLatin1(m_copyright.bytes);
    m_out.notes = QString::fromLatin1(m_notes.bytes);
    size_t next = 0;
    for (const Start& start : m_starts) {
        OpenClue clue;
        clue.number = start.number;
        if (start.across) {
            clue.text = QString::fromLatin1(m_clues[next++].bytes);
            m_out.across.push_back(clue);
        }
        if (start.down) {
            clue.text = QString::fromLatin1(m_clues[next++].bytes);
            m_out.down.push_back(clue);
        }
    }
    return m_out;
}

void PuzReader::readHeader()
{
    const qsizetype size = m_bytes.size();
    if (size == 0)
        refuse(QStringLiteral("the file is empty"));
    if (size > MaxOpenCrosswordBytes)
        refuse(QStringLiteral("the file has %1 bytes; a .puz file of more than %2 is not read")
                   .arg(size)
                   .arg(MaxOpenCrosswordBytes));
    if (size < HeaderSize)
        refuse(QStringLiteral("the file has %1 bytes, fewer than the %2 of a .puz header").arg(size).arg(HeaderSize));
    if (std::memcmp(m_bytes.constData() + MagicAt, Magic, sizeof Magic) != 0)
        refuse(QStringLiteral("no \"ACROSS&DOWN\" at byte 2: not a .puz file"));

    m_out.width = quint8(m_bytes[WidthAt]);
    m_out.height = quint8(m_bytes[HeightAt]);
    if (m_out.width == 0 || m_out.height == 0 || m_out.width > MaxGridSide || m_out.height > MaxGridSide)
        refuse(QStringLiteral("the grid is %1 x %2 (bytes 44 and 45); each side must be 1 to %3")
                   .arg(m_out.width)
                   .arg(m_out.height)
                   .arg(MaxGridSide));

    const quint16 cib = checksum(m_bytes.constData() + WidthAt, CibSize, 0);
    if (cib != shortAt(m_bytes, CibChecksumAt))
        refuse(QStringLiteral("the header checksum (CIB, byte 14) is %1 but the header gives %2: the file is damaged")
                   .arg(hex(shortAt(m_bytes, CibChecksumAt)), hex(cib)));
    if (const quint16 tag = shortAt(m_bytes, ScrambledTagAt); tag != 0)
        refuse(QStringLiteral("the puzzle is scrambled (locked, tag %1 at byte 50): its solution cannot be read "
                              "without the publisher's key")
                   .arg(tag));
    m_clueCount = shortAt(m_bytes, ClueCountAt);

    // Notes count in the overall checksum from version 1.3 on; a version that does not
    // read as "d.d" is taken as a recent one.
    const char* version = m_bytes.constData() + VersionAt;
    const bool dotted = version[0] >= '0' && version[0] <= '9' && version[1] == '.' && version[2] >= '0' &&
                        version[2] <= '9';
    m_notesInChecksum = !dotted || version[0] > '1' || (version[0] == '1' && version[2] >= '3');
    m_pos = HeaderSize;
}

void PuzReader::readSolution()
{
    const qsizetype cells = qsizetype(m_out.width) * m_out.height;
    if (m_bytes.size() - HeaderSize < 2 * cells)
        refuse(QStringLiteral("the file ends at byte %1, inside the solution and player grids (bytes %2 to %3)")
                   .arg(m_bytes.size())
                   .arg(HeaderSize)
                   .arg(HeaderSize + 2 * cells));
    m_out.solution.resize(size_t(cells));
    for (qsizetype i = 0; i < cells; ++i) {
        const quint8 c = quint8(m_bytes[HeaderSize + i]);
        if (c == '.')
            continue;
        // A letter, a digit or a sign; not a blank, '-' (an empty cell) or a control byte.
        if (c <= 0x20 || c == '-' || (c >= 0x7F && c <= 0xA0))
            refuse(QStringLiteral("row %1 column %2 of the solution (byte %3) holds %4, which is neither a "
                                  "letter nor a block '.'")
                       .arg(i / m_out.width + 1)
                       .arg(i % m_out.width + 1)
                       .arg(HeaderSize + i)
                       .arg(hex(c)));
        m_out.solution[size_t(i)] = QString(QChar(c));
    }
    m_pos = HeaderSize + 2 * cells;  // the player grid is not used: the import starts empty
}

// Standard numbering: a white cell starts an across word when the cell to its left is a
// block or the edge and the cell to its right is white; down alike. Numbers run in reading
// order over the cells that start either.
void PuzReader::numberGrid()
{
    int words = 0;
    for (int row = 0; row < m_out.height; ++row)
        for (int column = 0; column < m_out.width; ++column) {
            if (!white(row, column))
                continue;
            const bool across = !white(row, column - 1) && white(row, column + 1);
            const bool down = !white(row - 1, column) && white(row + 1, column);
            if (!across && !down)
                continue;
            m_starts.push_back({int(m_starts.size()) + 1, across, down});
            words += int(across) + int(down);
        }
    if (m_clueCount != words)
        refuse(QStringLiteral("the header announces %1 clues (byte 46) but the grid has %2 words")
                   .arg(m_clueCount)
                   .arg(words));
}

Field PuzReader::readField(const QString& what)
{
    const qsizetype rest = m_bytes.size() - m_pos;
    const void* nul = rest > 0 ? std::memchr(m_bytes.constData() + m_pos, 0, size_t(rest)) : nullptr;
    if (!nul)
        refuse(QStringLiteral("the file ends at byte %1, inside %2 (from byte %3)").arg(m_bytes.size()).arg(what).arg(m_pos));
    const qsizetype end = static_cast<const char*>(nul) - m_bytes.constData();
    Field field{m_pos, m_bytes.mid(m_pos, end - m_pos)};
    m_pos = end + 1;
    return field;
}

// The checksum at byte 0 covers the CIB, both grids and the strings: title, author,
// copyright and notes with their NUL when not empty, the clues without it. The masked
// checksums at bytes 16 to 23 are further sums over the same bytes; they are not checked,
// as they guard nothing more and some writers fill them carelessly.
void PuzReader::checkOverallChecksum() const
{
    quint16 sum = checksum(m_bytes.constData() + WidthAt, CibSize, 0);
    sum = checksum(m_bytes.constData() + HeaderSize, 2 * qsizetype(m_out.width) * m_out.height, sum);
    const auto withNul = [&](const Field& field) {
        if (!field.bytes.isEmpty())
            sum = checksum(m_bytes.constData() + field.at, field.bytes.size() + 1, sum);
    };
    withNul(m_title);
    withNul(m_author);
    withNul(m_copyright);
    for (const Field& clue : m_clues)
        sum = checksum(clue.bytes.constData(), clue.bytes.size(), sum);
    if (m_notesInChecksum)
        withNul(m_notes);
    if (sum != shortAt(m_bytes, 0))
        refuse(QStringLiteral("the file checksum (byte 0) is %1 but the contents give %2: the file is damaged")
                   .arg(hex(shortAt(m_bytes, 0)), hex(sum)));
}

// .puz strings are ISO-8859-1; a writer that stored UTF-8 would turn "é" into "Ã©".
void PuzReader::checkEncoding() const
{
    const auto check = [](const Field& field, const QString& what) {
        if (looksUtf8(field.bytes))
            refuse(QStringLiteral("%1 (byte %2) is written in UTF-8 (\"%3\"); .puz text is ISO-8859-1")
                       .arg(what)
                       .arg(field.at)
                       .arg(QString::fromUtf8(field.bytes)));
    };
    check(m_title, QStringLiteral("the title"));
    check(m_author, QStringLiteral("the author"));
    check(m_copyright, QStringLiteral("the copyright"));
    for (size_t i = 0; i < m_clues.size(); ++i)
        check(m_clues[i], QStringLiteral("clue %1").arg(i + 1));
    check(m_notes, QStringLiteral("the notes"));
}

// Extra sections: a four-letter name, the data's length and checksum, the data and a NUL.
// A rebus (GRBS with a rebus cell, or RTBL) is refused; the others (GEXT circles, LTIM,
// RUSR) are skipped. A few bytes of line ends or NULs may trail the file.
void PuzReader::readSections()
{
    while (m_pos < m_bytes.size()) {
        const qsizetype at = m_pos, rest = m_bytes.size() - at;
        if (rest < SectionHeadSize) {
            for (qsizetype i = at; i < m_bytes.size(); ++i)
                if (m_bytes[i] != '\r' && m_bytes[i] != '\n' && m_bytes[i] != '\0')
                    refuse(QStringLiteral("the file ends at byte %1, inside the head of an extra section (from byte %2)")
                               .arg(m_bytes.size())
                               .arg(at));
            return;
        }
        const QByteArray name = m_bytes.mid(at, 4);
        const qsizetype length = shortAt(m_bytes, at + 4);
        const QString shown = QString::fromLatin1(name);
        if (rest < SectionHeadSize + length + 1)
            refuse(QStringLiteral("the extra section \"%1\" at byte %2 runs past the end of the file").arg(shown).arg(at));
        const qsizetype data = at + SectionHeadSize;
        if (m_bytes[data + length] != '\0')
            refuse(QStringLiteral("the extra section \"%1\" at byte %2 does not end with a NUL at byte %3")
                       .arg(shown)
                       .arg(at)
                       .arg(data + length));
        bool rebus = name == "RTBL";
        if (name == "GRBS")
            for (qsizetype i = data; i < data + length && !rebus; ++i)
                rebus = m_bytes[i] != '\0';
        if (rebus)
            refuse(QStringLiteral("the puzzle has rebus cells (section %1 at byte %2): a cell holding several "
                                  "letters is not supported")
                       .arg(shown)
                       .arg(at));
        m_pos = data + length + 1;
    }
}

} // namespace

OpenCrosswordRead readPuz(const QByteArray& bytes)
{
    OpenCrosswordRead result;
    try {
        result.crossword = PuzReader(bytes).read();
        result.ok = true;
    } catch (const Refused& refused) {
        result.error = refused.reason;
    }
    return result;
}
