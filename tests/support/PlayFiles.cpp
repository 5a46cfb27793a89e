#include "PlayFiles.h"

#include "TestSupport.h"

namespace playfiles {

QStringList catSection(int n)
{
    return {
        QStringLiteral(";#%1").arg(n),
        QStringLiteral(";升目の数（縦・横）"),
        QStringLiteral("3,3"),
        QStringLiteral(";レベル・問題数・縦の最初の問題番号"),
        QStringLiteral("3,3,2"),
        QStringLiteral(";升目の種類"),
        QStringLiteral("1,1,1,1,1"),
        QStringLiteral("1,4,2,4,1"),
        QStringLiteral("1,3,1,3,1"),
        QStringLiteral("1,3,1,3,1"),
        QStringLiteral("1,1,1,1,1"),
        QStringLiteral(";答え"),
        QStringLiteral("ＣＡＴ"),
        QStringLiteral("Ａ■Ｏ"),
        QStringLiteral("Ｒ■Ｅ"),
        QStringLiteral(";横の問題番号"),
        QStringLiteral("1,0,0"),
        QStringLiteral("0,0,0"),
        QStringLiteral("0,0,0"),
        QStringLiteral(";縦の問題番号"),
        QStringLiteral("2,0,3"),
        QStringLiteral("0,0,0"),
        QStringLiteral("0,0,0"),
        QStringLiteral(";問題"),
        QStringLiteral("1,ニャーと鳴く動物,猫,ネコ,E001,3,1,1,3,動物,見本"),
        QStringLiteral("2,道を走る乗り物,車,クルマ,,,,,,"),
        QStringLiteral("3,足の指の先,つま先,ツマサキ,E003,8,1,3,3,体,見本,15x13,改訂"),
    };
}

QStringList header(int count, int keypadMode)
{
    return {QStringLiteral("テスト用プレイファイル"), QString::number(keypadMode), QStringLiteral(";ステージ数"),
            QString::number(count)};
}

QByteArray file(int count, const QList<QStringList>& sections, int keypadMode)
{
    QStringList lines = header(count, keypadMode);
    for (const QStringList& section : sections) {
        lines << QString();
        lines << section;
    }
    return testsupport::cp932Lines(lines);
}

} // namespace playfiles

namespace playfiles {

QStringList combSection(int n, int columns, int rows)
{
    QStringList s{QStringLiteral(";#%1").arg(n), QStringLiteral(";size"), QStringLiteral("%1,%2").arg(rows).arg(columns),
                  QStringLiteral(";counts")};
    const int downWords = (columns + 1) / 2;
    s << QStringLiteral("2,%1,2").arg(1 + downWords) << QStringLiteral(";kinds");
    for (int r = 0; r <= rows + 1; ++r) {
        QStringList row;
        for (int c = 0; c <= columns + 1; ++c) {
            int kind = 1;
            if (r >= 1 && r <= rows && c >= 1 && c <= columns) {
                const bool odd = c % 2 == 1;
                if (r == 1)
                    kind = odd && rows > 1 ? 4 : 2;
                else
                    kind = odd ? 3 : 1;
            }
            row << QString::number(kind);
        }
        s << row.join(u',');
    }
    s << QStringLiteral(";answers");
    for (int r = 1; r <= rows; ++r) {
        QString line;
        for (int c = 1; c <= columns; ++c)
            line += (r == 1 || c % 2 == 1) ? QChar(0xFF21 + (r + c) % 26) : QChar(0x25A0);
        s << line;
    }
    s << QStringLiteral(";across");
    for (int r = 1; r <= rows; ++r) {
        QStringList row;
        for (int c = 1; c <= columns; ++c)
            row << QString::number(r == 1 && c == 1 ? 1 : 0);
        s << row.join(u',');
    }
    s << QStringLiteral(";down");
    for (int r = 1; r <= rows; ++r) {
        QStringList row;
        for (int c = 1; c <= columns; ++c)
            row << QString::number(r == 1 && c % 2 == 1 ? 2 + c / 2 : 0);
        s << row.join(u',');
    }
    s << QStringLiteral(";words");
    for (int q = 1; q <= 1 + downWords; ++q)
        s << QStringLiteral("%1,ヒント%1,答%1,ヨミ,ID%1,CN,BN,QN,AN,S,N").arg(q);
    return s;
}

} // namespace playfiles
