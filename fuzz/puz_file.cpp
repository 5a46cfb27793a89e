// A .puz file as the import reads it: refused with a reason, or a grid of the size its
// header gives, whose clues stand under increasing numbers that the grid has.
#include "FuzzCheck.h"

#include "playfile/CrossFile.h"
#include "playfile/OpenCrossword.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const OpenCrosswordRead r = readPuz(bytes);
    if (!r.ok) {
        FUZZ_CHECK(!r.error.isEmpty(), QString());
        return 0;
    }
    const OpenCrossword& c = r.crossword;
    FUZZ_CHECK(c.width >= 1 && c.width <= MaxGridSide && c.height >= 1 && c.height <= MaxGridSide,
               QStringLiteral("%1 x %2").arg(c.width).arg(c.height));
    FUZZ_CHECK(c.solution.size() == size_t(c.width * c.height), QString::number(c.solution.size()));
    int white = 0;
    for (const QString& cell : c.solution) {
        FUZZ_CHECK(cell.size() <= 1, cell);
        white += int(!cell.isEmpty());
    }
    for (const std::vector<OpenClue>* clues : {&c.across, &c.down}) {
        int last = 0;
        for (const OpenClue& clue : *clues) {
            FUZZ_CHECK(clue.number > last && clue.number <= white, QString::number(clue.number));
            last = clue.number;
        }
    }
    return 0;
}
