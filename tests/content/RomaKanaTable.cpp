// The romaji table read field by field, the way the keypad reads it.
#include "ContentFiles.h"

namespace content {
namespace {

class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The rest of the current line; the line end is consumed.
    bool readLine(QString* line)
    {
        if (atEnd())
            return false;
        const qsizetype end = text_.indexOf(QLatin1Char('\n'), pos_);
        const qsizetype stop = end < 0 ? text_.size() : end;
        *line = text_.mid(pos_, stop - pos_);
        if (line->endsWith(QLatin1Char('\r')))
            line->chop(1);
        pos_ = end < 0 ? text_.size() : end + 1;
        return true;
    }

    // One field: quotes removed, blanks around an unquoted field dropped; the comma or the
    // line end after it is consumed.
    bool readField(QString* field)
    {
        while (!atEnd() && (text_[pos_] == QLatin1Char(' ') || text_[pos_] == QLatin1Char('\t')))
            ++pos_;
        if (atEnd())
            return false;
        field->clear();
        if (text_[pos_] == QLatin1Char('"')) {
            const qsizetype close = text_.indexOf(QLatin1Char('"'), pos_ + 1);
            if (close < 0)
                return false;
            *field = text_.mid(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            while (!atEnd() && text_[pos_] != QLatin1Char(',') && text_[pos_] != QLatin1Char('\n'))
                ++pos_;
        } else {
            while (!atEnd() && text_[pos_] != QLatin1Char(',') && text_[pos_] != QLatin1Char('\n'))
                field->append(text_[pos_++]);
            if (field->endsWith(QLatin1Char('\r')))
                field->chop(1);
            *field = field->trimmed();
        }
        if (!atEnd())
            ++pos_; // the comma or the line end
        return true;
    }

    QString rest() const { return text_.mid(pos_); }

private:
    const QString& text_;
    qsizetype pos_ = 0;
};

bool readRecords(FieldReader& in, int count, QVector<RomaKanaEntry>* entries, const char* what, QString* error)
{
    for (int i = 1; i <= count; ++i) {
        QString fields[5];
        for (QString& f : fields)
            if (!in.readField(&f)) {
                *error = QStringLiteral("%1 key %2 of %3 is missing").arg(QLatin1String(what)).arg(i).arg(count);
                return false;
            }
        entries->append({fields[1], fields[2], fields[3]});
    }
    return true;
}

} // namespace

bool parseRomaKanaTable(const QString& text, RomaKanaTable* table, QString* error)
{
    FieldReader in(text);
    QString line, field;
    if (!in.readLine(&line) || !in.readField(&field)) {
        *error = QStringLiteral("no title line or no label");
        return false;
    }
    for (int i = 1; i <= 17; ++i) {
        if (!in.readField(&field)) {
            *error = QStringLiteral("doubling letter %1 is missing").arg(i);
            return false;
        }
        table->doubling.append(field);
    }
    if (!in.readLine(&line)) {
        *error = QStringLiteral("no heading line");
        return false;
    }
    if (!readRecords(in, 6, &table->one, "one-letter", error) || !readRecords(in, 97, &table->two, "two-letter", error)
        || !readRecords(in, 122, &table->three, "three-letter", error))
        return false;
    if (!in.rest().trimmed().isEmpty()) {
        *error = QStringLiteral("text after the last record: ") + in.rest().left(40);
        return false;
    }
    return true;
}

} // namespace content
