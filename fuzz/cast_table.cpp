// The cast table: every cast named at the start of a line finds a line that begins with
// its name, each number field is read once, and no interval is read as 0.
#include "FuzzCheck.h"

#include "cast/CastTable.h"
#include "form/Cp932.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = form::splitLines(form::fromCp932(bytes));
    for (qsizetype i = 0; i < lines.size() && i < 64; ++i) {
        const QString name = lines[i].section(u',', 0, 0);
        if (name.isEmpty())
            continue;
        const std::optional<QString> line = findCastLine(lines, name);
        FUZZ_CHECK(line && line->startsWith(name), name);

        CastRecord cast;
        readCastFields(*line, cast);
        for (int interval : {cast.FrameInterval, cast.DriftInterval, cast.MoveInterval, cast.WrapDelay,
                             cast.IdleInterval, cast.TalkInterval})
            FUZZ_CHECK(interval != 0, *line);
        // The fields the table does not hold stay as they were.
        FUZZ_CHECK(cast.InUse == 0 && cast.Cell == 0 && cast.Anchor == 0 && cast.WrapTime == 0, *line);

        // One field per number read: a line of k fields is used up by k reads.
        QString rest = *line;
        int reads = 0;
        while (!rest.isEmpty() && reads <= line->size()) {
            GetCsvNumber(rest);
            ++reads;
        }
        const int fields = int(line->count(u',')) + (line->endsWith(u',') ? 0 : 1);
        FUZZ_CHECK(reads == fields, *line);
    }
    return 0;
}
