#include "PlayFileWriter.h"

#include "form/Cp932.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"

#include <QStringList>

namespace norda {

namespace {

// The values of one row of a per-cell table.
QString numberRow(const Puzzle& p, int row, int from, int to, int MasData::*field)
{
    QStringList items;
    for (int c = from; c <= to; ++c)
        items << QString::number(p.Mas[p.index(row, c)].*field);
    return items.join(QLatin1Char(','));
}

} // namespace

QByteArray writePlayFile(const QString& title, int keypadMode, const std::vector<Puzzle>& puzzles)
{
    QStringList lines{title, QString::number(keypadMode), QStringLiteral(";ステージ数"), QString::number(puzzles.size())};
    for (size_t n = 1; n <= puzzles.size(); ++n) {
        const Puzzle& p = puzzles[n - 1];
        lines << QString() << QStringLiteral(";#%1").arg(n) << QStringLiteral(";升目の数（縦・横）")
              << QStringLiteral("%1,%2").arg(p.MasMaxY).arg(p.MasMaxX) << QStringLiteral(";レベル・問題数・縦の最初の問題番号")
              << QStringLiteral("%1,%2,%3").arg(p.CrossLevel).arg(p.QuesNmbMax).arg(p.DownQuesTop)
              << QStringLiteral(";升目の種類（1:黒 2:横 3:縦 4:交差）");
        for (int r = 0; r <= p.MasMaxY + 1; ++r)
            lines << numberRow(p, r, 0, p.MasMaxX + 1, &MasData::Kind);
        lines << QStringLiteral(";答え");
        for (int r = 1; r <= p.MasMaxY; ++r) {
            QString row;
            for (int c = 1; c <= p.MasMaxX; ++c)
                row += p.Mas[p.index(r, c)].Answer;
            lines << row;
        }
        lines << QStringLiteral(";横の問題番号");
        for (int r = 1; r <= p.MasMaxY; ++r)
            lines << numberRow(p, r, 1, p.MasMaxX, &MasData::AcrossNmb);
        lines << QStringLiteral(";縦の問題番号");
        for (int r = 1; r <= p.MasMaxY; ++r)
            lines << numberRow(p, r, 1, p.MasMaxX, &MasData::DownNmb);
        lines << QStringLiteral(";問題（番号・ヒント・答え・ヨミ・ID・CN・BN・QN・AN・SN）");
        for (int q = 1; q <= p.QuesNmbMax; ++q) {
            const QuesData& w = p.Ques[q];
            lines << QStringList{QString::number(q), w.QuesText, w.AnswerText, w.Reading, w.ID, w.CN, w.BN, w.QN, w.AN, w.SN}
                         .join(QLatin1Char(','));
        }
    }
    return form::toCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QString readBackFault(const QByteArray& bytes, const std::vector<Puzzle>& puzzles)
{
    const PlayFileText text = decodePlayFile(bytes);
    const PlayFileHeader header = text.ok ? parsePlayFileHeader(text.lines) : PlayFileHeader{};
    if (!text.ok || !header.ok || header.crossCount != int(puzzles.size()))
        return QStringLiteral("the written header does not read back (%1)").arg(text.ok ? header.error : text.problem.text());
    for (size_t n = 1; n <= puzzles.size(); ++n) {
        const CrossReadResult read = parseCrossLines(text.lines, int(n));
        const Puzzle& written = puzzles[n - 1];
        QString difference = read.error;
        if (read.ok && read.puzzle.QuesNmbMax != written.QuesNmbMax)
            difference = QStringLiteral("%1 words instead of %2").arg(read.puzzle.QuesNmbMax).arg(written.QuesNmbMax);
        for (int q = 1; read.ok && difference.isEmpty() && q <= read.puzzle.QuesNmbMax; ++q) {
            const QuesData& w = read.puzzle.Ques[q];
            if (w.Answer != written.Ques[q].Answer || w.QuesText != written.Ques[q].QuesText)
                difference = QStringLiteral("word %1 reads as \"%2\" with the clue \"%3\"").arg(q).arg(w.Answer, w.QuesText);
        }
        if (!difference.isEmpty())
            return QStringLiteral("puzzle %1 does not read back as written: %2").arg(n).arg(difference);
    }
    return {};
}

} // namespace norda
