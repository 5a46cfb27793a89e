#include "Import.h"

#include "Cp932Text.h"
#include "Diagnostics.h"
#include "PlayFileWriter.h"
#include "playfile/GridLayout.h"
#include "playfile/OpenCrosswordImport.h"
#include "playfile/PlayFileHeader.h"

#include <vector>

namespace norda {

namespace {

// Makes a text fit for the play file: accents folded with a warning, then anything CP932
// cannot hold an error; `what` names the text.
QString cp932Text(const QString& what, const QString& text, Diagnostics& d)
{
    bool folded = false;
    const QString out = foldAccents(text, &folded);
    if (folded)
        d.warning(0, QStringLiteral("%1 holds letters with accents, which Shift-JIS (CP932) lacks; written \"%2\"").arg(what, out));
    requireCp932(what, out, 0, d);
    return out;
}

// Every text of an imported puzzle made fit for the play file, each word named by its
// clue ("across clue 12").
void fitTexts(Puzzle& p, Diagnostics& d)
{
    const GridLayout layout = puzzleLayout(p);
    const std::vector<int> numbers = crosswordNumbers(layout);
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        QuesData& w = p.Ques[q];
        const QString name = QStringLiteral("%1 clue %2").arg(q < p.DownQuesTop ? QStringLiteral("across") : QStringLiteral("down"))
                                 .arg(numbers[w.StartMas]);
        w.QuesText = cp932Text(name, w.QuesText, d);
        w.AnswerText = cp932Text(QStringLiteral("the answer of %1").arg(name), w.AnswerText, d);
        w.Reading = cp932Text(QStringLiteral("the reading of %1").arg(name), w.Reading, d);
    }
}

} // namespace

ImportResult importPlayFile(const QStringList& paths, const QString& title)
{
    ImportResult result;
    std::vector<Puzzle> puzzles;
    QString fileTitle = title;
    int keypadMode = -1;
    QString firstPath;
    for (const QString& path : paths) {
        Diagnostics d;
        ImportedCrossword imported = importOpenCrosswordFile(path);
        if (!imported.ok) {
            d.error(0, imported.error);
        } else {
            for (const QString& warning : imported.warnings)
                d.warning(0, warning);
            if (keypadMode < 0) {
                keypadMode = imported.keypadMode;
                firstPath = path;
            } else if (imported.keypadMode != keypadMode) {
                const auto mode = [](int m) { return m == 1 ? QStringLiteral("kana") : QStringLiteral("letters"); };
                d.error(0, QStringLiteral("the puzzle plays as %1, but %2 plays as %3; a play file is all letters or all kana")
                               .arg(mode(imported.keypadMode), firstPath, mode(keypadMode)));
            }
            if (fileTitle.isEmpty())
                fileTitle = imported.title;
            fitTexts(imported.puzzle, d);
            puzzles.push_back(std::move(imported.puzzle));
        }
        result.messages += d.format(path);
        result.errors += d.count(Severity::Error);
        result.warnings += d.count(Severity::Warning);
    }
    Diagnostics whole;
    fileTitle = cp932Text(QStringLiteral("the title"), fileTitle, whole);
    if (puzzles.size() > size_t(MaxCrossCount))
        whole.error(0, QStringLiteral("%1 puzzles; a play file holds at most %2").arg(puzzles.size()).arg(MaxCrossCount));
    if (result.errors == 0 && !whole.hasErrors()) {
        int serial = 0;
        for (Puzzle& p : puzzles)
            setWordFields(p, fileTitle, keypadMode, serial);
        QByteArray bytes = writePlayFile(fileTitle, keypadMode, puzzles);
        if (const QString fault = readBackFault(bytes, puzzles); !fault.isEmpty())
            whole.error(0, QStringLiteral("internal fault: %1").arg(fault));
        else
            result.playFile = std::move(bytes);
    }
    result.messages += whole.format(QStringLiteral("norda import"));
    result.errors += whole.count(Severity::Error);
    result.warnings += whole.count(Severity::Warning);
    return result;
}

} // namespace norda
