// The player record file: any bytes read as at least the five lines a record has, a
// rewrite of what was read keeps every line, and a name is stored as the file can hold it.
#include "FuzzCheck.h"

#include "form/Cp932.h"
#include "records/RecordFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = record::parse(bytes);
    FUZZ_CHECK(lines.size() >= record::Lines, QString::number(lines.size()));

    // The rewrite of a sound record gives back every line; in a damaged one only the bytes
    // that were not CP932 change (to "?"), and no line is gained or lost.
    bool sound = true;
    form::fromCp932(bytes, &sound);
    const QStringList again = record::parse(record::bytesOf(lines));
    if (sound)
        FUZZ_CHECK(again == lines, again.join(u'|') + QStringLiteral(" <> ") + lines.join(u'|'));
    else
        FUZZ_CHECK(again.size() == lines.size(), lines.join(u'|'));

    // A name taken from the record's own lines, as long as the talk input could give it.
    const QString name = record::storableName((lines[record::NameLine - 1] + lines[0]).left(24));
    bool storable = true;
    form::toCp932(name, &storable);
    FUZZ_CHECK(storable, name);
    QStringList named = lines.mid(0, record::Lines);
    named[record::NameLine - 1] = name;
    FUZZ_CHECK(record::parse(record::bytesOf(named))[record::NameLine - 1] == name, name);
    return 0;
}
