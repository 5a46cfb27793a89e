#include "Cp932Text.h"

#include "form/Cp932.h"

namespace norda {

void requireCp932(const QString& what, const QString& text, int line, Diagnostics& d)
{
    if (form::fromCp932(form::toCp932(text)) == text)
        return;
    for (const uint c : text.toUcs4()) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        bool ok = true;
        const QString back = form::fromCp932(form::toCp932(character, &ok));
        if (back == character)
            continue;
        const QString code = QStringLiteral("U+") + QString::number(c, 16).toUpper().rightJustified(4, u'0');
        if (!ok)
            d.error(line, QStringLiteral("%1 holds \"%2\" (%3), which Shift-JIS (CP932) cannot hold").arg(what, character, code));
        else
            d.error(line, QStringLiteral("%1 holds \"%2\" (%3), which Shift-JIS (CP932) stores as \"%4\"; write \"%4\"")
                              .arg(what, character, code, back));
        return;
    }
}

QString foldAccents(const QString& text, bool* changed)
{
    *changed = false;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Latin-1 Supplement and Latin Extended-A and -B: a letter's canonical
        // decomposition starts with its base letter. Ø and ø have none.
        QChar base;
        if (u >= 0xC0 && u <= 0x24F && form::fromCp932(form::toCp932(QString(c))) != QString(c)) {
            const QString parts = QString(c).normalized(QString::NormalizationForm_D);
            if (parts.size() > 1 && parts[0].unicode() < 0x80 && parts[0].isLetter())
                base = parts[0];
            else if (u == 0xD8 || u == 0xF8)
                base = QChar(u == 0xD8 ? u'O' : u'o');
        }
        if (base.isNull()) {
            out += c;
        } else {
            out += base;
            *changed = true;
        }
    }
    return out;
}

} // namespace norda
