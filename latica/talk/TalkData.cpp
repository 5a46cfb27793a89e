#include "TalkData.h"

#include "form/Cp932.h"
#include "form/ProgramFolder.h"

#include <QtEndian>

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
    m_index.setFileName(indexPath);
    m_data.setFileName(dataPath);
    // Unbuffered: every fetch seeks, and a buffer would be refilled at each seek.
    for (QFile* file : {&m_index, &m_data}) {
        if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            m_openError = QStringLiteral("トークデータ %1 を開けません（%2）")
                              .arg(file->fileName(), file->errorString());
            close();
            return false;
        }
    }
    m_indexSize = m_index.size();
    m_dataSize = m_data.size();
    return true;
}

void TalkData::close()
{
    m_index.close();
    m_data.close();
    m_indexSize = m_dataSize = 0;
    m_next = 0;
}

TalkText TalkData::fail(TalkText result, const QString& error)
{
    result.error = error;
    m_next = 0;
    return result;
}

bool TalkData::readAt(QFile& file, qint64 offset, char* into, qint64 size)
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
        if (!readAt(m_index, offset, record, 4))
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
        if (!readAt(m_data, from - 1, block.data(), size)) {
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
