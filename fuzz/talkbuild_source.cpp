// talkbuild's reading and sifting of a story source. The first input byte chooses the
// run: bit 0 the rounding directives, bit 1 a C++ source name. A run either stops with a
// printed reason or goes through; a run that went through without a word gives data files
// that the game's reader takes whole, and running it again on its own new source changes
// nothing.
#include "FuzzCheck.h"

#include "Reporter.h"
#include "Sifter.h"
#include "talk/TalkData.h"

#include <QtEndian>
#include <cstdint>

namespace {

class Collect : public tb::Reporter {
public:
    void progress(const QString&) override {}
    void print(const QString& line) override { lines << line; }
    void startTime(const QString&) override {}
    void endTime(const QString&) override {}
    void allEnd() override {}
    QStringList lines;
};

struct Output {
    bool ok = false;
    QStringList printed;
    QByteArray source, data, index;
};

Output run(const QByteArray& source, bool round, bool cpp)
{
    Output out;
    Collect reporter;
    tb::Sifter sifter(reporter);
    sifter.setPaths(QStringLiteral("/nonexistent"), cpp ? QStringLiteral("Story.cpp") : QStringLiteral("Story"));
    out.ok = sifter.loadSource(source) && sifter.SetMarkOfMultiLine() && sifter.CheckRefNmb();
    if (out.ok) {
        sifter.GetTalkNmb();
        out.ok = sifter.SetTalkNmbString(1100, round) && sifter.SetRefNmbString(200) && sifter.SetTalkNmb()
            && sifter.newSourceBytes(&out.source) && sifter.buildData(&out.data, &out.index);
    }
    out.printed = reporter.lines;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const bool round = data[0] & 1;
    const bool cpp = data[0] & 2;
    const QByteArray source(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const Output first = run(source, round, cpp);
    FUZZ_CHECK(first.ok || !first.printed.isEmpty(), QStringLiteral("a run stopped without a reason"));
    if (!first.ok || !first.printed.isEmpty())
        return 0;

    bool anyTalk = false;
    for (qsizetype offset = 0; offset + 4 <= first.index.size(); offset += 4)
        anyTalk = anyTalk || qFromLittleEndian<qint32>(first.index.constData() + offset) != 0;
    if (anyTalk) {
        talk::TalkData files;
        files.openBytes(first.index, first.data);
        const QString damage = files.damage();
        FUZZ_CHECK(damage.isEmpty(), damage);
        for (qsizetype offset = 0; offset + 4 <= first.index.size(); offset += 4) {
            if (qFromLittleEndian<qint32>(first.index.constData() + offset) == 0)
                continue;
            const talk::TalkText talk = files.fetch(int(offset / 4 + 1));
            FUZZ_CHECK(talk.ok(), talk.error);
        }
    }

    const Output second = run(first.source, round, cpp);
    FUZZ_CHECK(second.ok && second.printed.isEmpty(), second.printed.join(u'\n'));
    FUZZ_CHECK(second.source == first.source, QString::fromUtf8(first.source) + QStringLiteral("\n----\n")
                                                  + QString::fromUtf8(second.source));
    FUZZ_CHECK(second.data == first.data && second.index == first.index, QStringLiteral("data files differ"));
    return 0;
}
