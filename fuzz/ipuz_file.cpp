// An .ipuz file as the game and norda import it: the reader refuses it with a reason, or
// the import refuses it naming the place, or the puzzle is one the play-file reader would
// take: letters or large kana in every white cell, every white cell in a word of two or
// more cells, and written by norda's writer it reads back clean with the same answers.
#include "FuzzCheck.h"

#include "PlayFileWriter.h"
#include "playfile/CrossFile.h"
#include "playfile/GridCharacters.h"
#include "playfile/OpenCrosswordImport.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const OpenCrosswordRead read = readIpuz(bytes);
    if (!read.ok) {
        FUZZ_CHECK(!read.error.isEmpty(), QString());
        return 0;
    }
    const ImportedCrossword imported = importOpenCrossword(read.crossword);
    if (!imported.ok) {
        FUZZ_CHECK(!imported.error.isEmpty(), QString());
        return 0;
    }
    const Puzzle& p = imported.puzzle;
    FUZZ_CHECK(imported.keypadMode == 0 || imported.keypadMode == 1, QString::number(imported.keypadMode));
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const MasData& m = p.Mas[p.index(r, c)];
            if (m.Kind == 1)
                continue;
            FUZZ_CHECK(m.Answer.size() == 1, m.Answer);
            const QChar a = m.Answer[0];
            FUZZ_CHECK(imported.keypadMode == 1 ? isKatakana(a) && largeKana(a) == a : isGridLetter(a), m.Answer);
            FUZZ_CHECK(m.AcrossQues != 0 || m.DownQues != 0, QStringLiteral("row %1 column %2").arg(r).arg(c));
        }
    }
    for (int q = 1; q <= p.QuesNmbMax; ++q)
        FUZZ_CHECK(p.Ques[q].Length >= 2 && p.Ques[q].Answer.size() == p.Ques[q].Length && !p.Ques[q].QuesText.isEmpty(),
                   QString::number(q));
    const std::vector<Puzzle> puzzles{p};
    const QByteArray written = norda::writePlayFile(QStringLiteral("fuzz"), imported.keypadMode, puzzles);
    const CrossReadResult back = parseCrossFile(written, 1);
    FUZZ_CHECK(back.ok, back.error);
    for (int q = 1; q <= p.QuesNmbMax; ++q)
        FUZZ_CHECK(back.puzzle.Ques[q].Answer == p.Ques[q].Answer, QString::number(q));
    return 0;
}
