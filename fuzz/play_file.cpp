// The whole play file as checked once it is chosen: its header and every puzzle it
// announces. A file is refused with a reason, or every puzzle it announces reads on its
// own as the board will read it later.
#include "FuzzCheck.h"

#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString fault = checkPlayFileBytes(bytes);
    if (!fault.isEmpty())
        return 0;
    const PlayFileText text = decodePlayFile(bytes);
    FUZZ_CHECK(text.ok, text.problem.text());
    const PlayFileHeader header = parsePlayFileHeader(text.lines);
    FUZZ_CHECK(header.ok && header.crossCount >= 1 && header.crossCount <= MaxCrossCount, header.error);
    FUZZ_CHECK(header.keypadMode == 0 || header.keypadMode == 1, QString::number(header.keypadMode));
    for (int n = 1; n <= header.crossCount; ++n) {
        const CrossReadResult puzzle = parseCrossFile(bytes, n);
        FUZZ_CHECK(puzzle.ok, QStringLiteral("puzzle %1: %2").arg(n).arg(puzzle.error));
    }
    return 0;
}
