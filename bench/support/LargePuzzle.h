#pragma once
// The largest puzzle a play file allows, for the benchmarks.
#include "form/Cp932.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

// A 99 x 99 puzzle of 400 across words: 95 rows of four 24-letter words and 4 rows of
// five 19-letter words, black squares between them.
inline QByteArray largePuzzle()
{
    const int size = 99;
    QStringList lines = {QStringLiteral("bench"), QStringLiteral("0"), QStringLiteral(";"), QStringLiteral("1"),
                         QStringLiteral(";#1"), QStringLiteral(";size"), QStringLiteral("99,99"),
                         QStringLiteral(";counts"), QStringLiteral("3,400,401"), QStringLiteral(";kinds")};
    std::vector<std::vector<int>> kind(size + 2, std::vector<int>(size + 2, 1));
    std::vector<std::vector<int>> across(size + 2, std::vector<int>(size + 2, 0));
    int word = 0;
    for (int r = 1; r <= size; ++r) {
        const int words = r <= 95 ? 4 : 5;
        const int length = r <= 95 ? 24 : 19;
        int c = 1;
        for (int w = 0; w < words; ++w) {
            across[r][c] = ++word;
            for (int i = 0; i < length; ++i)
                kind[r][c + i] = 2;
            c += length + 1;
        }
    }
    for (int r = 0; r <= size + 1; ++r) {
        QStringList row;
        for (int c = 0; c <= size + 1; ++c)
            row << QString::number(kind[r][c]);
        lines << row.join(u',');
    }
    lines << QStringLiteral(";answers");
    for (int r = 1; r <= size; ++r) {
        QString row;
        for (int c = 1; c <= size; ++c)
            row += kind[r][c] == 1 ? QStringLiteral("■") : QString(QChar(0x30A2 + (r + c) % 40));
        lines << row;
    }
    for (int pass = 0; pass < 2; ++pass) {
        lines << QStringLiteral(";numbers");
        for (int r = 1; r <= size; ++r) {
            QStringList row;
            for (int c = 1; c <= size; ++c)
                row << QString::number(pass == 0 ? across[r][c] : 0);
            lines << row.join(u',');
        }
    }
    lines << QStringLiteral(";words");
    for (int q = 1; q <= 400; ++q)
        lines << QStringLiteral("%1,ヒント%1,答え,ヨミ,ID,1,2,3,4,SN,a,b").arg(q);
    return form::toCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}
