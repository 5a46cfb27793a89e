#include "Export.h"

#include "Check.h"

#include "playfile/CrossFile.h"
#include "playfile/GridCharacters.h"
#include "playfile/GridLayout.h"
#include "playfile/IpuzFormat.h"
#include "playfile/PlayFileHeader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace norda {

namespace {

// Clue text as ipuz holds it: text that may carry markup, so its own <, > and & are escaped.
QString escaped(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

// A grid character as other programs expect it: full-width capitals as ASCII.
QString solutionText(const QString& answer)
{
    if (answer.size() == 1 && isGridLetter(answer[0]))
        return QString(QChar(char16_t(answer[0].unicode() - 0xFF21 + u'A')));
    return answer;
}

// The .ipuz object of one puzzle, or an empty object when its words are not the runs of its
// grid (*fault says which word).
QJsonObject ipuzOf(const Puzzle& p, const QString& title, QString* fault)
{
    const GridLayout layout = puzzleLayout(p);
    const std::vector<int> numbers = crosswordNumbers(layout);
    // The words of the file must be the runs of two or more cells the numbers name.
    if (int(layout.words.size()) != p.QuesNmbMax)
        *fault = QStringLiteral("its grid has %1 runs of two or more cells but the file has %2 words")
                     .arg(layout.words.size()).arg(p.QuesNmbMax);
    for (int q = 1; fault->isEmpty() && q <= p.QuesNmbMax; ++q) {
        const QuesData& w = p.Ques[q];
        const bool across = q < p.DownQuesTop;
        const int run = (across ? layout.acrossNmb : layout.downNmb)[w.StartMas];
        if (run == 0 || layout.words[run - 1].length != w.Length)
            *fault = QStringLiteral("word %1 is not a run of two or more cells of its grid").arg(q);
    }
    if (!fault->isEmpty())
        return {};

    QJsonArray grid, solution;
    for (int r = 1; r <= p.MasMaxY; ++r) {
        QJsonArray gridRow, solutionRow;
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            if (p.Mas[i].Kind == 1) {
                gridRow.append(QStringLiteral("#"));
                solutionRow.append(QStringLiteral("#"));
            } else {
                gridRow.append(numbers[i]);
                solutionRow.append(solutionText(p.Mas[i].Answer));
            }
        }
        grid.append(gridRow);
        solution.append(solutionRow);
    }
    QJsonObject clues, words;
    for (const bool across : {true, false}) {
        std::map<int, int> byNumber;  // crossword number -> word
        for (int q = across ? 1 : p.DownQuesTop; q <= (across ? p.DownQuesTop - 1 : p.QuesNmbMax); ++q)
            byNumber[numbers[p.Ques[q].StartMas]] = q;
        QJsonArray clueList, wordList;
        for (const auto& [number, q] : byNumber) {
            clueList.append(QJsonArray{number, escaped(p.Ques[q].QuesText)});
            wordList.append(QJsonArray{number, p.Ques[q].AnswerText, p.Ques[q].Reading});
        }
        const QString direction = across ? QStringLiteral("Across") : QStringLiteral("Down");
        clues.insert(direction, clueList);
        words.insert(direction, wordList);
    }
    QJsonObject ipuz;
    ipuz.insert(QStringLiteral("version"), QLatin1String(ipuz::Version2));
    ipuz.insert(QStringLiteral("kind"), QJsonArray{QLatin1String(ipuz::CrosswordKind)});
    ipuz.insert(QStringLiteral("title"), title);
    ipuz.insert(QStringLiteral("difficulty"), QString::number(p.CrossLevel));
    ipuz.insert(QStringLiteral("dimensions"), QJsonObject{{QStringLiteral("width"), p.MasMaxX}, {QStringLiteral("height"), p.MasMaxY}});
    ipuz.insert(QStringLiteral("block"), QStringLiteral("#"));
    ipuz.insert(QStringLiteral("empty"), 0);
    ipuz.insert(QStringLiteral("puzzle"), grid);
    ipuz.insert(QStringLiteral("solution"), solution);
    ipuz.insert(QStringLiteral("clues"), clues);
    ipuz.insert(QLatin1String(ipuz::WordsExtension), words);
    return ipuz;
}

} // namespace

ExportResult exportIpuz(const QByteArray& playFile, const QString& baseName)
{
    ExportResult result;
    Diagnostics& d = result.diagnostics;
    PlayFileText text;
    PlayFileHeader header;
    if (!readPlayFileStart(playFile, d, text, header))
        return result;
    const QString fileTitle = text.lines[0];
    std::vector<ExportedFile> files;
    for (int n = 1; n <= header.crossCount; ++n) {
        const CrossReadResult read = parseCrossLines(text.lines, n);
        if (!read.ok) {
            for (const PlayFileProblem& problem : read.problems)
                d.error(problem.line, QStringLiteral("puzzle %1: %2").arg(n).arg(problem.message));
            continue;
        }
        QString fault;
        const QJsonObject ipuz = ipuzOf(read.puzzle, QStringLiteral("%1 [%2]").arg(fileTitle).arg(n), &fault);
        if (!fault.isEmpty()) {
            d.error(read.lines.marker, QStringLiteral("puzzle %1 cannot be an .ipuz crossword: %2").arg(n).arg(fault));
            continue;
        }
        files.push_back({QStringLiteral("%1-%2.ipuz").arg(baseName).arg(n, 2, 10, QLatin1Char('0')),
                         QJsonDocument(ipuz).toJson(QJsonDocument::Indented)});
    }
    if (!d.hasErrors())
        result.files = std::move(files);
    return result;
}

} // namespace norda
