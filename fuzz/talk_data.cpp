// The talk data files: the input holds both, a 2-byte length and the index, then the text
// file. Whatever they hold, a fetch stays inside both files; a talk that fails says why
// and leaves nothing to continue from; files that pass the start-up check give every
// indexed talk, unless its text is not CP932.
#include "FuzzCheck.h"

#include "talk/TalkData.h"

#include <QtEndian>
#include <cstdint>

namespace {

// Checks one fetch and what it leaves for the next.
void checkFetch(const talk::TalkData& files, const talk::TalkText& talk, qint64 textSize)
{
    if (talk.ok()) {
        FUZZ_CHECK(files.nextPosition() >= 3 && files.nextPosition() <= textSize + 1,
                   QString::number(files.nextPosition()));
    } else {
        FUZZ_CHECK(files.nextPosition() == 0, talk.error);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype indexSize = std::min<qsizetype>(qFromLittleEndian<quint16>(data), input.size() - 2);
    const QByteArray index = input.mid(2, indexSize);
    const QByteArray text = input.mid(2 + indexSize);

    talk::TalkData files;
    files.openBytes(index, text);
    const bool sound = files.damage().isEmpty();
    int fetches = 0;
    for (qsizetype offset = 0; offset + 4 <= index.size() && fetches < 32; offset += 4) {
        if (qFromLittleEndian<qint32>(index.constData() + offset) == 0)
            continue;
        ++fetches;
        const int n = int(offset / 4 + 1);
        const talk::TalkText talk = files.fetch(n);
        checkFetch(files, talk, text.size());
        FUZZ_CHECK(talk.ok() || talk.error.contains(QString::number(n)), talk.error);
        if (sound)
            FUZZ_CHECK(talk.ok() || talk.error.contains(QStringLiteral("CP932")), talk.error);
        // The talk stored after it, when there is one.
        if (talk.ok() && files.nextPosition() <= text.size())
            checkFetch(files, files.fetch(0), text.size());
    }
    // Numbers past the index and a continuation after a failure.
    for (int n : {int(index.size() / 4 + 1), 0})
        checkFetch(files, files.fetch(n), text.size());
    return 0;
}
