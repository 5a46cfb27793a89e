#include "GridCharacters.h"

#include "keypad/RomaKana.h"

namespace norda {

bool isKatakana(QChar c)
{
    return (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) || c == LongVowel;
}

QChar largeKana(QChar c)
{
    static const QString small = QStringLiteral("ァィゥェォッャュョヮヵヶ");
    static const QString large = QStringLiteral("アイウエオツヤユヨワカケ");
    const qsizetype at = small.indexOf(c);
    return at < 0 ? c : large[at];
}

QChar fullWidthCapital(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return QChar(0xFF21 + (u - u'A'));
    if (u >= u'a' && u <= u'z')
        return QChar(0xFF21 + (u - u'a'));
    if (u >= 0xFF41 && u <= 0xFF5A)
        return QChar(u - 0x20);
    if (isGridLetter(c))
        return c;
    return {};
}

bool isGridLetter(QChar c)
{
    return c.unicode() >= 0xFF21 && c.unicode() <= 0xFF3A;
}

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

int characterCount(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

} // namespace norda
