#include "GridCharacters.h"

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
