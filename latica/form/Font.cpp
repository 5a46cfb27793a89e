#include "Font.h"

#include <cmath>

namespace form {

int pointsToPixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

QString mapFontFamily(const QString& name)
{
    if (name == QStringLiteral("ＭＳ ゴシック") || name == QStringLiteral("MS Gothic"))
        return QStringLiteral("IPAGothic");
    if (name == QStringLiteral("ＭＳ Ｐゴシック") || name == QStringLiteral("MS PGothic"))
        return QStringLiteral("IPAPGothic");
    return name;
}

QFont Font::toQFont() const
{
    QFont f(mapFontFamily(name));
    f.setPixelSize(std::max(1, pointsToPixels(size)));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

} // namespace form
