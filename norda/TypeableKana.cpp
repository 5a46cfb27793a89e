#include "TypeableKana.h"

#include "keypad/RomaKana.h"

namespace norda {

QSet<QChar> typeableKana(const keypad::RomaKanaTable& table)
{
    QSet<QChar> kana;
    const auto collect = [&kana](const QString& grid) {
        for (QChar c : grid)
            kana.insert(c);
    };
    keypad::RomaKana conversion;
    conversion.setTable(table);
    for (const auto* section : {&table.one, &table.two, &table.three}) {
        for (const keypad::RomaKanaEntry& entry : *section) {
            conversion.clearKeyBuff();
            for (QChar c : entry.key)
                collect(conversion.RomaKanaConvWChr(c));
        }
    }
    // Rules of the conversion beyond the table show with two keys.
    const QString keys = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ-");
    for (QChar first : keys) {
        for (QChar second : keys) {
            conversion.clearKeyBuff();
            collect(conversion.RomaKanaConvWChr(first));
            collect(conversion.RomaKanaConvWChr(second));
        }
    }
    return kana;
}

} // namespace norda
