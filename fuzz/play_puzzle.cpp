// One puzzle of a play file: the first input byte picks the puzzle (1..8), the rest is the
// file. A damaged section is refused with its problems; a section taken gives a model the
// play can trust: the bordered grid, entries set from the kinds, and every word a run of
// white cells from its start to a black cell, carrying its number and its answer, with
// every white cell inside a word of each direction its kind names.
#include "FuzzCheck.h"

#include "playfile/CrossFile.h"

#include <cstdint>

namespace {

void checkModel(const Puzzle& p)
{
    const auto where = [&p](int i) { return QStringLiteral("cell %1 of %2x%3").arg(i).arg(p.MasMaxX).arg(p.MasMaxY); };
    FUZZ_CHECK(p.MasMaxX >= 1 && p.MasMaxX <= MaxGridSide && p.MasMaxY >= 1 && p.MasMaxY <= MaxGridSide, where(0));
    FUZZ_CHECK(p.MasLineLen == p.MasMaxX + 2 && p.MasLast + 1 == (p.MasMaxY + 2) * p.MasLineLen, where(0));
    FUZZ_CHECK(int(p.Mas.size()) == p.MasLast + 1 && int(p.Ques.size()) == p.QuesNmbMax + 1, where(0));
    FUZZ_CHECK(p.DownQuesTop >= 1 && p.DownQuesTop <= p.QuesNmbMax + 1, where(0));

    for (int i = 0; i <= p.MasLast; ++i) {
        const MasData& m = p.Mas[size_t(i)];
        const int row = i / p.MasLineLen, column = i % p.MasLineLen;
        const bool border = row == 0 || row == p.MasMaxY + 1 || column == 0 || column == p.MasMaxX + 1;
        FUZZ_CHECK(m.Kind >= 1 && m.Kind <= 4 && (!border || m.Kind == 1), where(i));
        if (border)
            continue;
        FUZZ_CHECK(m.Entry == (m.Kind == 1 ? QStringLiteral("■") : QStringLiteral("　")), where(i));
        if (m.Kind == 2 || m.Kind == 4)
            FUZZ_CHECK(m.AcrossQues >= 1 && m.AcrossQues < p.DownQuesTop, where(i));
        if (m.Kind == 3 || m.Kind == 4)
            FUZZ_CHECK(m.DownQues >= p.DownQuesTop && m.DownQues <= p.QuesNmbMax, where(i));
    }

    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const QuesData& w = p.Ques[size_t(q)];
        const bool across = q < p.DownQuesTop;
        const int step = across ? 1 : p.MasLineLen;
        const QString word = QStringLiteral("word %1 at %2, length %3").arg(q).arg(w.StartMas).arg(w.Length);
        FUZZ_CHECK(w.Length >= 1 && w.StartMas > 0 && w.StartMas + w.Length * step <= p.MasLast, word);
        FUZZ_CHECK(p.Mas[size_t(w.StartMas - step)].Kind == 1, word);
        QString answer;
        for (int k = 0; k < w.Length; ++k) {
            const MasData& m = p.Mas[size_t(w.StartMas + k * step)];
            FUZZ_CHECK(m.Kind != 1 && (across ? m.AcrossQues : m.DownQues) == q, word);
            answer += m.Answer;
        }
        FUZZ_CHECK(p.Mas[size_t(w.StartMas + w.Length * step)].Kind == 1, word);
        FUZZ_CHECK(w.Answer == answer, word);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int n = 1 + data[0] % 8;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const CrossReadResult result = parseCrossFile(bytes, n);
    if (!result.ok) {
        FUZZ_CHECK(!result.error.isEmpty() && !result.problems.empty(), QString::number(n));
        return 0;
    }
    FUZZ_CHECK(result.complete && result.error.isEmpty(), result.error);
    checkModel(result.puzzle);
    return 0;
}
