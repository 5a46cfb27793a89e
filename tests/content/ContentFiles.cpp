#include "ContentFiles.h"

#include <QFile>

namespace content {

QByteArray programFile(const QString& relativePath)
{
    QFile file(QStringLiteral(LATICA_BUILD_PROGRAM_DIR) + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool allLinesEndInCrLf(const QByteArray& bytes)
{
    if (bytes.isEmpty() || !bytes.endsWith("\r\n"))
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    return true;
}

QString gridForm(const QString& displayKana)
{
    static const QString small = QStringLiteral("ァィゥェォャュョッヮ");
    static const QString full = QStringLiteral("アイウエオヤユヨツワ");
    QString out = displayKana;
    for (QChar& c : out) {
        const qsizetype at = small.indexOf(c);
        if (at >= 0)
            c = full[at];
    }
    return out;
}

} // namespace content
