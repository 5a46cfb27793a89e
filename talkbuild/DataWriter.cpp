// The last stage: the talk text file and the talk index, by the writer rules both
// programs agree on.
#include "Sifter.h"

#include "Messages.h"
#include "TalkLine.h"

#include <QFile>
#include <QtEndian>

namespace tb {

namespace {
QString num(int value) { return QString::number(value); }

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
} // namespace

// Walks the talk lines in file order: first lines of "#" and "_" talks and continuation
// lines become records (not those of a reused "%" talk); a line with ">" writes the
// position of its talk's first record, for a "%" talk that of its "#" talk, as index
// record of its number.
bool Sifter::buildData(QByteArray* data, QByteArray* index)
{
    data->clear();
    index->clear();
    std::vector<qint32> refPos(MaxRefNmb + 1, 0);
    qint32 curPos = 0;
    bool writeContinuations = true;

    // Appends the line's text as one record; its position becomes the current one.
    auto append = [&](int i) {
        // The record is the text from column 13 on: a talk whose end mark stands before
        // it would have a last record without one and run on into the next talk.
        if (col::endsTalk(line(i)) && !col::endsTalk(col::text(line(i)))) {
            print(msg::kEndMarkInHead.toString() + QLatin1Char(' ') + num(i) + QLatin1Char(' ') + line(i));
            return false;
        }
        std::optional<QByteArray> bytes = m_codec.encode(col::text(line(i)));
        if (!bytes) {
            print(msg::kNotCp932.toString() + QLatin1Char(' ') + num(i) + QLatin1Char(' ') + line(i));
            return false;
        }
        if (bytes->size() > 0xFFFF) {
            print(msg::kLineTooLong.toString() + QLatin1Char(' ') + num(i));
            return false;
        }
        curPos = qint32(data->size() + 1);
        char length[2];
        qToLittleEndian<quint16>(quint16(bytes->size()), length);
        data->append(length, 2);
        data->append(*bytes);
        return true;
    };

    for (int i = m_firstTalkLine; i >= 1 && i <= m_lastTalkLine; ++i) {
        if (!isTalkLine(i))
            continue;
        const QString& s = line(i);
        const QChar kind = col::at(s, 3);
        if (kind == QLatin1Char('#') || kind == QLatin1Char('_')) {
            if (!append(i))
                return false;
        } else if (kind == QLatin1Char('%')) {
            // A reused text is not stored again, nor are its continuation lines.
            if (!col::endsTalk(s))
                writeContinuations = false;
        } else if (kind == QLatin1Char('^')) {
            if (writeContinuations) {
                if (!append(i))
                    return false;
            } else if (col::endsTalk(s)) {
                writeContinuations = true;
            }
        }
        // The earlier stages have checked both numbers; a line that was not checked
        // still never indexes outside the tables.
        const int ref = col::number(s, 4, 3);
        const bool refValid = ref >= 1 && ref <= MaxRefNmb;
        if (kind == QLatin1Char('#') && refValid)
            refPos[ref] = curPos;
        const int talk = col::number(s, 8, 4);
        if (col::at(s, 7) == QLatin1Char('>') && talk >= 1) {
            if (kind == QLatin1Char('%'))
                curPos = refValid ? refPos[ref] : 0;
            if (index->size() < qsizetype(talk) * 4)
                index->append(QByteArray(qsizetype(talk) * 4 - index->size(), '\0'));
            qToLittleEndian<qint32>(curPos, index->data() + qsizetype(talk - 1) * 4);
        }
    }
    return true;
}

bool Sifter::SetObjFileName1()
{
    QByteArray data;
    QByteArray index;
    if (!buildData(&data, &index))
        return false;
    if (!writeFile(m_dataPath, data)) {
        print(msg::kCannotWrite.toString() + m_dataPath);
        return false;
    }
    if (!writeFile(m_indexPath, index)) {
        print(msg::kCannotWrite.toString() + m_indexPath);
        return false;
    }
    return true;
}

} // namespace tb
