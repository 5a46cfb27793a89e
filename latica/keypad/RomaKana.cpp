#include "RomaKana.h"

#include "form/Cp932.h"
#include "form/ProgramFolder.h"

#include <QFile>

namespace keypad {

namespace {

const QString FullSpace = QStringLiteral("　");

// Reads comma-separated fields and whole lines: a quoted field loses its quotes, blanks
// around an unquoted field are dropped, and a line end (CR LF or LF) also ends a field.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    // The rest of the current line; its line end is consumed.
    bool readLine(QString* line)
    {
        if (atEnd())
            return false;
        qsizetype end = m_text.indexOf(QLatin1Char('\n'), m_pos);
        if (end < 0)
            end = m_text.size();
        *line = m_text.mid(m_pos, end - m_pos);
        if (line->endsWith(QLatin1Char('\r')))
            line->chop(1);
        m_pos = end + 1;
        return true;
    }

    // The next field; the comma or line end after it is consumed.
    bool readField(QString* field)
    {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
        if (atEnd())
            return false;
        field->clear();
        if (m_text[m_pos] == QLatin1Char('"')) {
            qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
            if (close < 0)
                close = m_text.size();
            *field = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            // Anything between the closing quote and the separator is not part of it.
            while (!atEnd() && !isSeparator(m_text[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (!atEnd() && !isSeparator(m_text[m_pos]))
                ++m_pos;
            *field = m_text.mid(start, m_pos - start);
            while (!field->isEmpty() && (isBlank(field->back()) || field->back() == QLatin1Char('\r')))
                field->chop(1);
        }
        if (!atEnd())
            ++m_pos;
        return true;
    }

    // Skips lines that hold nothing but blanks, so that empty lines between records do
    // not shift the fields.
    void skipEmptyLines()
    {
        for (;;) {
            qsizetype p = m_pos;
            while (p < m_text.size() && (isBlank(m_text[p]) || m_text[p] == QLatin1Char('\r')))
                ++p;
            if (p < m_text.size() && m_text[p] == QLatin1Char('\n'))
                m_pos = p + 1;
            else
                return;
        }
    }

    QString rest() const { return m_text.mid(m_pos); }

private:
    static bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
    static bool isSeparator(QChar c) { return c == QLatin1Char(',') || c == QLatin1Char('\n'); }

    const QString& m_text;
    qsizetype m_pos = 0;
};

bool readSection(FieldReader& in, const QString& name, int keyLength, int count, QVector<RomaKanaEntry>* entries,
                 QString* error)
{
    for (int i = 1; i <= count; ++i) {
        in.skipEmptyLines();
        QString fields[5];
        for (QString& field : fields) {
            if (!in.readField(&field)) {
                *error = QStringLiteral("%1のキー %2 番（全 %3）の途中で表が終わっています").arg(name).arg(i).arg(count);
                return false;
            }
        }
        const RomaKanaEntry entry{fields[1], fields[2], fields[3]};
        if (entry.key.size() != keyLength) {
            *error = QStringLiteral("%1のキー %2 番（全 %3）が「%4」です。%5 文字のキーのはずです（項目の数の違い？）")
                         .arg(name).arg(i).arg(count).arg(entry.key).arg(keyLength);
            return false;
        }
        if (entry.display.isEmpty() || entry.grid.isEmpty()) {
            *error = QStringLiteral("%1のキー「%2」に表示かなか升目かながありません").arg(name, entry.key);
            return false;
        }
        entries->append(entry);
    }
    return true;
}

const RomaKanaEntry* findKey(const QVector<RomaKanaEntry>& entries, const QString& key)
{
    // In file order: the first equal key wins.
    for (const RomaKanaEntry& e : entries)
        if (e.key == key)
            return &e;
    return nullptr;
}

// Consonants that, after a pending N, make that N a syllabic ン. Y stays with N (NYA),
// and NN is a key of its own.
bool endsSyllabicN(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') && !QStringLiteral("AIUEONY").contains(c);
}

} // namespace

QString RomaKanaTablePath()
{
    return form::ProgramFolder::resolve(QStringLiteral("\\Sys\\RomaKana\\新ローマ字かな変換.txt"));
}

bool ParseRomaKanaTable(const QByteArray& bytes, RomaKanaTable* table, QString* error)
{
    if (bytes.trimmed().isEmpty()) {
        *error = QStringLiteral("表が空です");
        return false;
    }
    if (bytes.contains('\0')) {
        *error = QStringLiteral("表に NUL 文字があります（UTF-16 などで保存されていませんか）。シフトJISのテキストにしてください");
        return false;
    }
    if (form::isUtf8Text(bytes)) {
        *error = QStringLiteral("表が UTF-8 で保存されています。シフトJISのテキストにしてください");
        return false;
    }
    bool decoded = false;
    const QString text = form::fromCp932(bytes, &decoded);
    if (!decoded) {
        *error = QStringLiteral("表にシフトJISでない文字があります");
        return false;
    }

    FieldReader in(text);
    RomaKanaTable read;
    QString line, field;
    in.readLine(&line); // title
    if (!in.readField(&field)) {
        *error = QStringLiteral("促音になる文字の行がありません");
        return false;
    }
    for (int i = 1; i <= RomaKanaTable::DoublingCount; ++i) {
        if (!in.readField(&field)) {
            *error = QStringLiteral("促音になる文字 %1 番（全 %2）の途中で表が終わっています")
                         .arg(i).arg(RomaKanaTable::DoublingCount);
            return false;
        }
        if (field.size() != 1) {
            *error = QStringLiteral("促音になる文字 %1 番（全 %2）が「%3」です。1 文字のはずです")
                         .arg(i).arg(RomaKanaTable::DoublingCount).arg(field);
            return false;
        }
        read.doubling.append(field);
    }
    if (!in.readLine(&line)) { // the heading of the records
        *error = QStringLiteral("促音になる文字のあとで表が終わっています");
        return false;
    }
    if (!readSection(in, QStringLiteral("一字"), 1, RomaKanaTable::OneLetterCount, &read.one, error)
        || !readSection(in, QStringLiteral("二字"), 2, RomaKanaTable::TwoLetterCount, &read.two, error)
        || !readSection(in, QStringLiteral("三字"), 3, RomaKanaTable::ThreeLetterCount, &read.three, error))
        return false;
    // More records than the fixed counts would never be read: the counts are wrong.
    const QString rest = in.rest().trimmed();
    if (!rest.isEmpty()) {
        *error = QStringLiteral("三字のキー %1 個のあとにまだ続きがあります：「%2」")
                     .arg(RomaKanaTable::ThreeLetterCount).arg(rest.section(QLatin1Char('\n'), 0, 0).trimmed());
        return false;
    }
    *table = read;
    return true;
}

bool LoadRomaKanaTable(const QString& path, RomaKanaTable* table, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("ローマ字かな変換表 %1 を開けません（%2）").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    QString problem;
    if (!ParseRomaKanaTable(bytes, table, &problem)) {
        *error = QStringLiteral("ローマ字かな変換表 %1 が読めません：%2").arg(path, problem);
        return false;
    }
    return true;
}

QString RomaKana::RomaKanaConvWChr(QChar c)
{
    if (!hasTable())
        return {};
    const QString s = m_keyBuff + c;
    QString result;
    if (s.size() == 1) {
        if (const RomaKanaEntry* e = findKey(m_table.one, s)) {
            show(c, e->display);
            result = e->grid;
            m_keyBuff.clear();
        } else {
            m_keyBuff = s;
            show(c, FullSpace);
        }
    } else if (s.size() == 2) {
        if (const RomaKanaEntry* e = findKey(m_table.two, s)) {
            show(c, e->display);
            result = e->grid;
            m_keyBuff.clear();
        } else if (m_keyBuff == QString(c) && m_table.doubling.contains(QString(c))) {
            // A doubled consonant: ッ under the first letter, the second starts the next syllable.
            show(c, QStringLiteral("ッ") + FullSpace);
            result = QStringLiteral("ツ");
            m_keyBuff = c;
        } else if (m_keyBuff == QStringLiteral("N") && endsSyllabicN(c)) {
            // N before another consonant is ン (KANDA), as every kana input method has it.
            show(c, QStringLiteral("ン") + FullSpace);
            result = QStringLiteral("ン");
            m_keyBuff = c;
        } else {
            m_keyBuff = s;
            show(c, FullSpace);
        }
    } else {
        if (const RomaKanaEntry* e = findKey(m_table.three, s)) {
            show(c, e->display);
            result = e->grid;
        } else {
            show(c, QStringLiteral("…？"));
        }
        m_keyBuff.clear();
    }
    return result;
}

void RomaKana::show(QChar c, const QString& kana)
{
    if (m_show)
        m_show(c, kana);
}

} // namespace keypad
