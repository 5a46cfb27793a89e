#include "TalkText.h"

#include <cmath>

namespace talk {

namespace {

// Placeholder symbols in the order they are replaced.
const QString kPlaceholders = QStringLiteral("㊥◎①②③④⑤⑥⑦⑧⑨⑩");

// Katakana for the half-width katakana U+FF66..U+FF9D.
const char16_t kKana[] = u"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
                         u"ハヒフヘホマミムメモヤユヨラリルレロワン";

bool voicable(char16_t kana)
{
    return ((kana >= u'カ' && kana <= u'ト') && kana != u'ッ') || (kana >= u'ハ' && kana <= u'ホ') || kana == u'ウ';
}

bool semiVoicable(char16_t kana) { return kana >= u'ハ' && kana <= u'ホ'; }

// Katakana of the ハ row come in threes (ハ バ パ), the others that take a voiced mark in
// twos (カ ガ); ウ becomes ヴ.
char16_t withVoicedMark(char16_t kana, bool semi)
{
    if (kana == u'ウ')
        return u'ヴ';
    return char16_t(kana + (semi ? 2 : 1));
}

} // namespace

int waitKindOf(QChar c)
{
    switch (c.unicode()) {
    case u'▼': return 1;
    case u'◆': return 2;
    case u'★': return 3;
    case u'▽': return -1;
    case u'◇': return -2;
    case u'☆': return -3;
    default: return 0;
    }
}

bool expandPlaceholders(const QString& text, const NameList& names, int menuAnswer, QString& out,
                        QString& error)
{
    for (QChar symbol : kPlaceholders) {
        if (text.count(symbol) > 1) {
            error = QStringLiteral("置き換え記号「%1」が二度使われています").arg(symbol);
            return false;
        }
    }
    // Replaced one after the other in the working text, so that a name may itself hold
    // a later symbol.
    QString s = text;
    for (int k = 0; k < kPlaceholders.size(); ++k) {
        const int at = s.indexOf(kPlaceholders.at(k));
        if (at < 0)
            continue;
        QString name;
        if (k == 0)
            name = menuAnswer >= 0 && menuAnswer <= 10 ? names[std::size_t(menuAnswer)] : QString();
        else
            name = names[std::size_t(k - 1)];
        s.replace(at, 1, name);
    }
    out = s;
    return true;
}

bool applyTalkNames(const QString& list, NameList& names, QString& error)
{
    const QStringList pieces = list.split(NameSeparator);
    if (pieces.size() > int(names.size())) {
        error = QStringLiteral("名前の並び「%1」は十一より多くあります").arg(list);
        return false;
    }
    for (int k = 0; k < pieces.size(); ++k) {
        if (!pieces[k].isEmpty())
            names[std::size_t(k)] = pieces[k];
    }
    return true;
}

QStringList splitMenu(const QString& list) { return list.split(MenuSeparator); }

QString toFullWidth(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u' ') {
            out += QChar(u'　');
        } else if (c >= 0x21 && c <= 0x7E) {
            out += QChar(char16_t(c - 0x21 + 0xFF01));
        } else if (c >= 0xFF66 && c <= 0xFF9D) {
            char16_t kana = kKana[c - 0xFF66];
            const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
            if (next == 0xFF9E && voicable(kana)) {
                kana = withVoicedMark(kana, false);
                ++i;
            } else if (next == 0xFF9F && semiVoicable(kana)) {
                kana = withVoicedMark(kana, true);
                ++i;
            }
            out += QChar(kana);
        } else {
            switch (c) {
            case 0xFF61: out += QChar(u'。'); break;
            case 0xFF62: out += QChar(u'「'); break;
            case 0xFF63: out += QChar(u'」'); break;
            case 0xFF64: out += QChar(u'、'); break;
            case 0xFF65: out += QChar(u'・'); break;
            case 0xFF9E: out += QChar(u'゛'); break;
            case 0xFF9F: out += QChar(u'゜'); break;
            default: out += QChar(c); break;
            }
        }
    }
    return out;
}

int roundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode is to nearest, ties to even
}

int typedNumber(const QString& fullWidthText)
{
    if (fullWidthText.isEmpty() || fullWidthText.size() > 7)
        return 0;
    // Back to ASCII for reading the value.
    QString ascii;
    for (QChar c : fullWidthText) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            ascii += QChar(char16_t(u - 0xFF01 + 0x21));
        else if (u == u'　')
            ascii += QLatin1Char(' ');
        else
            ascii += c;
    }
    bool ok = false;
    double value = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        value = 0;
    if (value == 0)
        value = 0; // no "-0"
    const QString canonical = QString::number(value, 'g', 15);
    if (toFullWidth(canonical) != fullWidthText)
        return 0;
    return roundHalfEven(value);
}

} // namespace talk
