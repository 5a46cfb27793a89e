#include "Build.h"

#include "Cp932Text.h"
#include "PlayFileWriter.h"
#include "PuzzleSource.h"
#include "form/Cp932.h"
#include "playfile/CrossFile.h"
#include "playfile/GridCharacters.h"
#include "playfile/GridLayout.h"
#include "playfile/GridLayout.h"
#include "playfile/PlayFileHeader.h"

namespace norda {

namespace {

// One word as the play file writes it.
struct WordText {
    QString clue, answer, reading;
};

struct BuiltPuzzle {
    int level = 0;
    GridLayout layout;
    std::vector<QChar> stored;   // per cell index: the grid character the file stores
    std::vector<QChar> written;  // per cell index: the character as the source writes it
    std::vector<WordText> words; // word q is words[q - 1]
};

class Builder {
public:
    Builder(const PuzzleSource& source, Diagnostics& d) : m_source(source), m_d(d)
    {
        // One conversion of all the text; only when it does not come back whole is each
        // field looked at, to name the line.
        QStringList all{source.title};
        for (const SourcePuzzle& puzzle : source.puzzles)
            for (const auto* clues : {&puzzle.across, &puzzle.down})
                for (const SourceClue& clue : *clues)
                    all << clue.answer << clue.reading << clue.clue;
        const QString text = all.join(QLatin1Char('\n'));
        m_textRoundTrips = form::fromCp932(form::toCp932(text)) == text;
    }

    bool buildPuzzle(const SourcePuzzle& in, BuiltPuzzle& out);
    // The puzzle as the game holds it, its words numbered on from `serial`.
    Puzzle puzzleOf(const BuiltPuzzle& built, int& serial) const;

private:
    bool readGrid(const SourcePuzzle& in, BuiltPuzzle& out);
    void matchClues(const SourcePuzzle& in, BuiltPuzzle& out, bool across);

    bool kana() const { return m_source.keypad == 1; }

    const PuzzleSource& m_source;
    Diagnostics& m_d;
    bool m_textRoundTrips = false;
};

bool Builder::readGrid(const SourcePuzzle& in, BuiltPuzzle& out)
{
    const int errorsBefore = m_d.count(Severity::Error);
    if (in.gridLine == 0 || in.rows.isEmpty()) {
        m_d.error(in.gridLine ? in.gridLine : in.line, QStringLiteral("the puzzle has no grid; expected \"grid:\" and its rows"));
        return false;
    }
    const int rows = int(in.rows.size());
    const int columns = int(in.rows[0].toUcs4().size());
    if (rows > MaxGridSide)
        m_d.error(in.rowLines[MaxGridSide], QStringLiteral("the grid has %1 rows; a play file holds at most %2").arg(rows).arg(MaxGridSide));
    if (columns > MaxGridSide)
        m_d.error(in.rowLines[0], QStringLiteral("the grid has %1 columns; a play file holds at most %2").arg(columns).arg(MaxGridSide));
    if (m_d.count(Severity::Error) > errorsBefore)
        return false;

    const int lineLength = columns + 2;
    const int cells = (rows + 2) * lineLength;
    out.stored.assign(cells, BlackSquare);
    out.written.assign(cells, BlackSquare);
    std::vector<bool> white(cells, false);
    for (int r = 1; r <= rows; ++r) {
        const QList<uint> row = in.rows[r - 1].toUcs4();
        const int line = in.rowLines[r - 1];
        if (row.size() != columns) {
            m_d.error(line, QStringLiteral("this row has %1 cells; expected %2 like the first row (line %3)")
                                .arg(row.size()).arg(columns).arg(in.rowLines[0]));
            continue;
        }
        int bad = 0, firstBad = 0;
        for (int c = 1; c <= columns; ++c) {
            const uint u = row[c - 1];
            const QChar ch = u <= 0xFFFF ? QChar(char16_t(u)) : QChar();
            const int i = r * lineLength + c;
            if (ch == BlackSquare)
                continue;
            const QChar stored = kana() ? (isKatakana(ch) ? largeKana(ch) : QChar()) : fullWidthCapital(ch);
            if (stored.isNull()) {
                if (bad++ == 0)
                    firstBad = c;
                continue;
            }
            out.stored[i] = stored;
            out.written[i] = ch;
            white[i] = true;
        }
        if (bad > 0) {
            const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&row[firstBad - 1]), 1);
            m_d.error(line, QStringLiteral("%1 holds \"%2\"; expected %3 or ■%4")
                                .arg(cellName(r, firstBad), ch)
                                .arg(kana() ? QStringLiteral("a full-width katakana (ァ..ヶ, ー)")
                                            : QStringLiteral("a letter A..Z"))
                                .arg(bad > 1 ? QStringLiteral(" (%1 such cells in this row)").arg(bad) : QString()));
        }
    }
    if (m_d.count(Severity::Error) > errorsBefore)
        return false;

    out.layout = layoutGrid(rows, columns, white);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (out.layout.kind[out.layout.index(r, c)] == 0)
                m_d.error(in.rowLines[r - 1], QStringLiteral("%1 is a white cell in no word; every white cell needs a run "
                                                             "of two or more white cells across or down")
                                                  .arg(cellName(r, c)));
        }
    }
    if (out.layout.words.empty())
        m_d.error(in.gridLine, QStringLiteral("the grid has no word; expected runs of two or more white cells"));
    return m_d.count(Severity::Error) == errorsBefore;
}

void Builder::matchClues(const SourcePuzzle& in, BuiltPuzzle& out, bool across)
{
    const GridLayout& g = out.layout;
    const std::vector<SourceClue>& clues = across ? in.across : in.down;
    const int first = across ? 0 : g.downTop - 1;
    const int count = across ? g.downTop - 1 : int(g.words.size()) - first;
    const QString direction = across ? QStringLiteral("across") : QStringLiteral("down");
    const int keywordLine = across ? in.acrossLine : in.downLine;
    if (int(clues.size()) != count) {
        m_d.error(keywordLine ? keywordLine : in.line, QStringLiteral("the %1 clues are %2 but the grid has %3 %1 words")
                                                           .arg(direction).arg(clues.size()).arg(count));
        return;
    }
    for (int k = 0; k < count; ++k) {
        const SourceClue& clue = clues[k];
        const GridWord& word = g.words[first + k];
        const QString inGrid = wordText(g, word, out.stored);
        const QString asWritten = wordText(g, word, out.written);
        const int row = word.start / g.lineLength(), column = word.start % g.lineLength();
        QString spelled;
        if (kana()) {
            if (!clue.reading.isEmpty()) {
                for (QChar c : clue.reading)
                    spelled += largeKana(c);
            }
        } else {
            for (QChar c : clue.answer) {
                if (QChar capital = fullWidthCapital(c); !capital.isNull())
                    spelled += capital;
            }
        }
        if (!spelled.isEmpty() && spelled != inGrid)
            m_d.error(clue.line, QStringLiteral("%1 \"%2\" does not match %3 word %4 of the grid, \"%5\" at %6")
                                     .arg(kana() ? QStringLiteral("the reading") : QStringLiteral("the answer"),
                                          kana() ? clue.reading : clue.answer, direction)
                                     .arg(first + k + 1).arg(asWritten, cellName(row, column)));
        if (!kana() && spelled.isEmpty())
            m_d.error(clue.line, QStringLiteral("the answer \"%1\" has no letter A..Z; expected the word of the grid, \"%2\"")
                                     .arg(clue.answer, asWritten));
        if (!m_textRoundTrips) {
            requireCp932(QStringLiteral("the answer"), clue.answer, clue.line, m_d);
            requireCp932(QStringLiteral("the reading"), clue.reading, clue.line, m_d);
            requireCp932(QStringLiteral("the clue"), clue.clue, clue.line, m_d);
        }
        // Without a reading a kana word reads as the source writes it (small kana kept); a
        // letter word as the grid stores it.
        const QString reading = !clue.reading.isEmpty() ? clue.reading : kana() ? asWritten : inGrid;
        out.words[first + k] = {clue.clue, clue.answer, reading};
    }
}

bool Builder::buildPuzzle(const SourcePuzzle& in, BuiltPuzzle& out)
{
    const int errorsBefore = m_d.count(Severity::Error);
    if (in.levelLine == 0)
        m_d.error(in.line, QStringLiteral("the puzzle has no \"level:\" line; expected level: 0..5"));
    out.level = in.level;
    if (!readGrid(in, out))
        return false;
    out.words.assign(out.layout.words.size(), WordText{});
    matchClues(in, out, true);
    matchClues(in, out, false);
    return m_d.count(Severity::Error) == errorsBefore;
}

Puzzle Builder::puzzleOf(const BuiltPuzzle& built, int& serial) const
{
    Puzzle p = layoutPuzzle(built.layout, built.stored, built.level);
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const WordText& w = built.words[q - 1];
        p.Ques[q].QuesText = w.clue;
        p.Ques[q].AnswerText = w.answer;
        p.Ques[q].Reading = w.reading;
    }
    setWordFields(p, m_source.title, m_source.keypad, serial);
    return p;
}

} // namespace

BuildResult buildPlayFile(const QByteArray& sourceBytes)
{
    BuildResult result;
    Diagnostics& d = result.diagnostics;
    const PuzzleSource source = parsePuzzleSource(sourceBytes, d);
    Builder builder(source, d);
    requireCp932(QStringLiteral("the title"), source.title, source.titleLine, d);
    std::vector<BuiltPuzzle> puzzles(source.puzzles.size());
    int previousLevel = 0;
    for (size_t k = 0; k < source.puzzles.size(); ++k) {
        const SourcePuzzle& in = source.puzzles[k];
        if (source.keypad >= 0)
            builder.buildPuzzle(in, puzzles[k]);
        if (in.level > 0 && in.level < previousLevel)
            d.warning(in.levelLine, QStringLiteral("level %1 after level %2; levels rise through a file").arg(in.level).arg(previousLevel));
        if (in.level > 0)
            previousLevel = in.level;
    }
    if (source.puzzles.size() > size_t(MaxCrossCount))
        d.error(source.puzzles[MaxCrossCount].line, QStringLiteral("a play file holds at most %1 puzzles").arg(MaxCrossCount));
    if (d.hasErrors())
        return result;
    std::vector<Puzzle> built;
    int serial = 0;
    for (const BuiltPuzzle& puzzle : puzzles)
        built.push_back(builder.puzzleOf(puzzle, serial));
    QByteArray bytes = writePlayFile(source.title, source.keypad, built);
    if (const QString fault = readBackFault(bytes, built); !fault.isEmpty())
        d.error(0, QStringLiteral("internal fault: %1").arg(fault));
    if (!d.hasErrors())
        result.playFile = std::move(bytes);
    return result;
}

} // namespace norda
