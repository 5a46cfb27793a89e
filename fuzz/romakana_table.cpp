// The romaji-kana table: a table is taken whole with the fixed counts or refused with a
// reason, and with a table taken the conversion of any typed letters keeps at most two
// letters pending and gives only kana of the table, a doubled consonant or a syllabic N.
#include "FuzzCheck.h"

#include "keypad/RomaKana.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    keypad::RomaKanaTable table;
    QString error;
    if (!keypad::ParseRomaKanaTable(bytes, &table, &error)) {
        FUZZ_CHECK(!error.isEmpty(), QString());
        FUZZ_CHECK(table.isEmpty(), error);
        return 0;
    }
    FUZZ_CHECK(table.doubling.size() == keypad::RomaKanaTable::DoublingCount, QString());
    FUZZ_CHECK(table.one.size() == keypad::RomaKanaTable::OneLetterCount, QString());
    FUZZ_CHECK(table.two.size() == keypad::RomaKanaTable::TwoLetterCount, QString());
    FUZZ_CHECK(table.three.size() == keypad::RomaKanaTable::ThreeLetterCount, QString());

    QStringList results{QString(), QStringLiteral("ツ"), QStringLiteral("ン")};
    for (const auto* section : {&table.one, &table.two, &table.three})
        for (const keypad::RomaKanaEntry& entry : *section)
            results << entry.grid;

    // The input's own bytes, read as keys of the keyboard path.
    static const char keys[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ-";
    keypad::RomaKana conversion;
    conversion.setTable(table);
    for (size_t i = 0; i < size && i < 256; ++i) {
        const QString kana = conversion.RomaKanaConvWChr(QLatin1Char(keys[data[i] % (sizeof keys - 1)]));
        FUZZ_CHECK(results.contains(kana), kana);
        FUZZ_CHECK(conversion.keyBuff().size() <= 2, conversion.keyBuff());
    }
    return 0;
}
