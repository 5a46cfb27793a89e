#include "TalkData.h"

#include "form/Cp932.h"
#include "form/ProgramFolder.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace talk {

namespace {
// The end mark "∴" in CP932.
constexpr char kEndMark[] = "\x81\x88";
// Bytes of the text file read at once; most talks fit in one block.
constexpr qint64 kBlockSize = 1024;

QString talkName(int n)
{
    return n > 0 ? QStringLiteral("トーク%1").arg(n)
                 : QStringLiteral("トーク%1（前のトークの続き）").arg(n);
}
} // namespace

bool TalkData::open()
{
    return open(form::ProgramFolder::resolve(QStringLiteral("\\Talk\\TalkIx.dat")),
                form::ProgramFolder::resolve(QStringLiteral("\\Talk\\TalkDt.dat")));
}

bool TalkData::open(const QString& indexPath, const QString& dataPath)
{
    close();
    m_openError.clear();
    auto index = std::make_unique<QFile>(indexPath);
    auto data = std::make_unique<QFile>(dataPath);
    // Unbuffered: every fetch seeks, and a buffer would be refilled at each seek.
    for (QFile* file : {index.get(), data.get()}) {
        if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            m_openError = QStringLiteral("トークデータ %1 を開けません（%2）")
                              .arg(file->fileName(), file->errorString());
            return false;
        }
    }
    m_indexName = indexPath;
    m_dataName = dataPath;
    m_index = std::move(index);
    m_data = std::move(data);
    opened();
    return true;
}

void TalkData::openBytes(const QByteArray& index, const QByteArray& data)
{
    close();
    m_openError.clear();
    auto indexBuffer = std::make_unique<QBuffer>();
    auto dataBuffer = std::make_unique<QBuffer>();
    indexBuffer->setData(index);
    dataBuffer->setData(data);
    indexBuffer->open(QIODevice::ReadOnly);
    dataBuffer->open(QIODevice::ReadOnly);
    m_indexName = QStringLiteral("TalkIx.dat");
    m_dataName = QStringLiteral("TalkDt.dat");
    m_index = std::move(indexBuffer);
    m_data = std::move(dataBuffer);
    opened();
}

void TalkData::opened()
{
    m_indexSize = m_index->size();
    m_dataSize = m_data->size();
}

void TalkData::close()
{
    m_index.reset();
    m_data.reset();
    m_indexSize = m_dataSize = 0;
    m_next = 0;
}

QString TalkData::damage()
{
    if (!isOpen())
        return QStringLiteral("トークデータが開かれていません");
    const QString indexName = m_indexName;
    const QString dataName = m_dataName;
    QByteArray index(m_indexSize, Qt::Uninitialized);
    QByteArray data(m_dataSize, Qt::Uninitialized);
    if (!readAt(*m_index, 0, index.data(), m_indexSize))
        return QStringLiteral("トークデータ %1 を読めません（%2）").arg(indexName, m_index->errorString());
    if (!readAt(*m_data, 0, data.data(), m_dataSize))
        return QStringLiteral("トークデータ %1 を読めません（%2）").arg(dataName, m_data->errorString());
    if (m_dataSize == 0)
        return QStringLiteral("トークデータ %1 が空です").arg(dataName);
    if (m_indexSize % 4 != 0)
        return QStringLiteral("トークデータ %1 の大きさ %2 バイトが 4 の倍数ではありません（壊れています）")
            .arg(indexName).arg(m_indexSize);

    // The records, one after the other up to the very end of the file.
    std::vector<qint64> starts; // 1-based, ascending
    QByteArrayView last;
    for (qint64 pos = 1; pos <= m_dataSize;) {
        const qint64 length = pos + 1 <= m_dataSize ? qFromLittleEndian<quint16>(data.constData() + pos - 1) : -1;
        if (length < 0 || pos + 1 + length > m_dataSize)
            return QStringLiteral("トークデータ %1 が %2 バイト目からの記録の途中で終わっています（切れています）")
                .arg(dataName).arg(pos);
        starts.push_back(pos);
        last = QByteArrayView(data.constData() + pos + 1, length);
        pos += 2 + length;
    }
    if (!last.endsWith(kEndMark))
        return QStringLiteral("トークデータ %1 の最後の記録に終了記号「∴」がありません（切れています）").arg(dataName);

    bool anyTalk = false;
    for (qint64 offset = 0; offset < m_indexSize; offset += 4) {
        const qint32 pos = qFromLittleEndian<qint32>(index.constData() + offset);
        if (pos == 0)
            continue;
        anyTalk = true;
        if (!std::binary_search(starts.begin(), starts.end(), qint64(pos)))
            return QStringLiteral("トークデータ %1 のトーク%2 の位置 %3 が %4 の記録の始まりではありません（壊れています）")
                .arg(indexName).arg(offset / 4 + 1).arg(pos).arg(dataName);
    }
    if (!anyTalk)
        return QStringLiteral("トークデータ %1 にトークが一つもありません").arg(indexName);
    return QString();
}

TalkText TalkData::fail(TalkText result, const QString& error)
{
    result.error = error;
    m_next = 0;
    return result;
}

bool TalkData::readAt(QIODevice& file, qint64 offset, char* into, qint64 size)
{
    return file.seek(offset) && file.read(into, size) == size;
}

TalkText TalkData::fetch(int n)
{
    TalkText result;
    const auto name = [n] { return talkName(n); };
    if (!isOpen())
        return fail(result, QStringLiteral("%1 を読めません：トークデータが開かれていません").arg(name()));

    qint64 pos = m_next;
    if (n > 0) {
        const qint64 offset = (qint64(n) - 1) * 4;
        char record[4];
        if (offset + 4 > m_indexSize)
            return fail(result, QStringLiteral("%1 はトークデータにありません（TalkIx.dat の終わりより後）").arg(name()));
        if (!readAt(*m_index, offset, record, 4))
            return fail(result, QStringLiteral("%1 の索引を TalkIx.dat から読めません").arg(name()));
        pos = qFromLittleEndian<qint32>(record);
        if (pos == 0)
            return fail(result, QStringLiteral("%1 はトークデータにありません（TalkIx.dat の値が 0）").arg(name()));
    } else if (pos == 0) {
        return fail(result, QStringLiteral("%1 を読めません：続ける元のトークがありません").arg(name()));
    }
    if (pos < 1 || pos > m_dataSize)
        return fail(result, QStringLiteral("%1 の位置 %2 が TalkDt.dat の外です（%3 バイト）")
                                .arg(name()).arg(pos).arg(m_dataSize));

    // Records are joined until the one that ends with the end mark. The text file is read
    // in blocks, so that a talk of a few records costs one read.
    QByteArray block;
    qint64 blockStart = 0; // 1-based position of block[0]
    auto available = [&](qint64 from, qint64 count) {
        if (from >= blockStart && from + count <= blockStart + block.size())
            return true;
        const qint64 size = qMin(qMax(count, kBlockSize), m_dataSize - from + 1);
        if (size < count)
            return false;
        block.resize(size);
        if (!readAt(*m_data, from - 1, block.data(), size)) {
            block.clear();
            return false;
        }
        blockStart = from;
        return true;
    };
    QByteArray bytes;
    QString damage;
    bool ended = false;
    while (!ended && pos <= m_dataSize) {
        if (!available(pos, 2)) {
            damage = QStringLiteral("%1 の文が TalkDt.dat の終わりで切れています").arg(name());
            break;
        }
        const qint64 length = qFromLittleEndian<quint16>(block.constData() + (pos - blockStart));
        if (!available(pos + 2, length)) {
            damage = QStringLiteral("%1 の文が TalkDt.dat の終わりで切れています").arg(name());
            break;
        }
        const QByteArrayView text(block.constData() + (pos + 2 - blockStart), length);
        bytes.append(text);
        ended = text.endsWith(kEndMark);
        pos += 2 + length;
    }
    if (damage.isEmpty() && !ended)
        damage = QStringLiteral("%1 に終了記号「∴」がないまま TalkDt.dat が終わっています").arg(name());

    bool valid = true;
    if (ended)
        bytes.chop(2);
    result.text = form::fromCp932(bytes, &valid);
    if (!damage.isEmpty())
        return fail(result, damage);
    if (!valid)
        return fail(result, QStringLiteral("%1 に CP932 でない文字があります").arg(name()));
    m_next = pos;
    return result;
}

} // namespace talk
