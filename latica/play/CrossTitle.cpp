#include "CrossTitle.h"

#include "playfile/PlayFileName.h"

QString crossTitleCaption(const QString& playFileTitle, int n)
{
    return playFileBaseName(playFileTitle) + QStringLiteral(" [") + QString::number(n) + QStringLiteral("]");
}

std::optional<QString> crossLevelCaption(int level)
{
    if (level < 0)
        return std::nullopt;
    if (level == 0)
        return QStringLiteral("ＣＵＳＴＯＭ");
    const QString stars = QStringLiteral("★★★★★　　　　");
    const int shown = level > 5 ? 5 : level;
    return stars.mid(5 - shown, 5);
}

QString fullWidthNumber(int n)
{
    QString text = QString::number(n);
    for (QChar& c : text) {
        if (c >= u'0' && c <= u'9')
            c = QChar(c.unicode() - u'0' + 0xFF10);
        else if (c == u'-')
            c = QChar(0xFF0D);
    }
    return text;
}

QString crossSizeCaption(int columns, int rows)
{
    return QStringLiteral("W%1xH%2").arg(columns).arg(rows);
}
