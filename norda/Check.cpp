#include "Check.h"

#include "TypeableKana.h"
#include "playfile/GridCharacters.h"
#include "playfile/GridLayout.h"
#include "keypad/RomaKana.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace norda {

const QSet<QChar>* KanaTyping::kana(QString* error)
{
    if (!m_loaded) {
        m_loaded = true;
        keypad::RomaKanaTable table;
        if (keypad::LoadRomaKanaTable(m_path, &table, &m_error))
            m_kana = typeableKana(table);
    }
    if (!m_error.isEmpty()) {
        *error = m_error;
        return nullptr;
    }
    return &m_kana;
}

namespace {

QString cellName(int row, int column)
{
    return QStringLiteral("row %1 column %2").arg(row).arg(column);
}

// The checks of one puzzle that the game's reader read whole.
class PuzzleCheck {
public:
    PuzzleCheck(int n, const CrossReadResult& read, const QStringList& lines, bool kana, const QSet<QChar>* typeable,
                Diagnostics& d)
        : m_n(n), p(read.puzzle), lineOf(read.lines), m_lines(lines), m_kana(kana), m_typeable(typeable), m_d(d),
          m_white(p.Mas.size(), false)
    {
        // The grid's white cells by the answer grid; the border is black.
        for (int r = 1; r <= p.MasMaxY; ++r)
            for (int c = 1; c <= p.MasMaxX; ++c)
                m_white[p.index(r, c)] = p.Mas[p.index(r, c)].Answer != QStringLiteral("■");
    }

    void run()
    {
        if (p.CrossLevel < 0 || p.CrossLevel > 5)
            warning(lineOf.counts, QStringLiteral("level %1 has no stars to show; expected 0..5").arg(p.CrossLevel));
        checkKindsAndNumbers();
        checkWordLines();
        checkGiveaways();
        checkCharacters();
    }

private:
    void error(int line, const QString& message) { m_d.error(line, QStringLiteral("puzzle %1: %2").arg(m_n).arg(message)); }
    void warning(int line, const QString& message) { m_d.warning(line, QStringLiteral("puzzle %1: %2").arg(m_n).arg(message)); }

    bool white(int i) const { return m_white[i]; }
    int row(int i) const { return i / p.MasLineLen; }
    int column(int i) const { return i % p.MasLineLen; }
    QString cell(int i) const { return cellName(row(i), column(i)); }

    void checkKindsAndNumbers();
    void checkStarts(bool across, const GridLayout& g, std::vector<int>& directions);
    void checkWordLines();
    void checkGiveaways();
    void checkCharacters();

    int m_n;
    const Puzzle& p;
    const CrossSourceLines& lineOf;
    const QStringList& m_lines;
    bool m_kana;
    const QSet<QChar>* m_typeable;
    Diagnostics& m_d;
    std::vector<bool> m_white;
};

void PuzzleCheck::checkKindsAndNumbers()
{
    const GridLayout g = layoutGrid(p.MasMaxY, p.MasMaxX, m_white);
    // Directions of the words through each cell: bit 1 across, bit 2 down.
    std::vector<int> directions(p.Mas.size(), 0);
    for (size_t i = 0; i < g.kind.size(); ++i)
        directions[i] = g.kind[i] >= 2 ? g.kind[i] - 1 : 0;
    checkStarts(true, g, directions);
    checkStarts(false, g, directions);

    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            const int kind = p.Mas[i].Kind;
            if (!white(i) || kind == 1)
                continue; // black cells and white ones of kind 1 are the reader's to report
            if (directions[i] == 0)
                error(lineOf.answerRow[r], QStringLiteral("%1 (\"%2\") is a white cell in no word; a player cannot reach it")
                                           .arg(cell(i), p.Mas[i].Answer));
            else if (kind != 1 + directions[i])
                error(lineOf.kind[i], QStringLiteral("%1 has cell kind %2; the answer grid makes it %3 (2 across, 3 down, "
                                                 "4 crossing)")
                                      .arg(cell(i)).arg(kind).arg(1 + directions[i]));
        }
    }
}

// The word numbers of one direction against the words of the answer grid.
void PuzzleCheck::checkStarts(bool across, const GridLayout& g, std::vector<int>& directions)
{
    const int step = across ? 1 : p.MasLineLen;
    const int bit = across ? 1 : 2;
    const QString direction = across ? QStringLiteral("across") : QStringLiteral("down");
    const std::vector<int>& numberLine = across ? lineOf.acrossNmb : lineOf.downNmb;
    int previous = 0;
    bool orderReported = false;
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            const int q = across ? p.Mas[i].AcrossNmb : p.Mas[i].DownNmb;
            if (q == 0 || !white(i))
                continue;
            if (q < previous && !orderReported) {
                warning(numberLine[i], QStringLiteral("%1 word %2 at %3 comes after word %4 in reading order; "
                                                      "expected the %1 words numbered in reading order")
                                           .arg(direction).arg(q).arg(cell(i)).arg(previous));
                orderReported = true;
            }
            previous = q;
            int start = i;
            while (white(start - step))
                start -= step;
            if (start != i) {
                error(numberLine[i], QStringLiteral("%1 word %2 starts at %3, inside the %1 word that starts at %4; "
                                                    "expected its number there")
                                         .arg(direction).arg(q).arg(cell(i), cell(start)));
            } else if (!white(i + step)) {
                warning(numberLine[i], QStringLiteral("%1 word %2 at %3 is one cell long; a word has two or more cells")
                                           .arg(direction).arg(q).arg(cell(i)));
                directions[i] |= bit;
            }
        }
    }
    for (const GridWord& word : g.words) {
        if (word.across != across)
            continue;
        if ((across ? p.Mas[word.start].AcrossNmb : p.Mas[word.start].DownNmb) == 0)
            error(numberLine[word.start], QStringLiteral("%1 starts %2 word of %3 cells but has no %4 number; "
                                                         "expected one of %5..%6")
                                              .arg(cell(word.start), across ? QStringLiteral("an across")
                                                                            : QStringLiteral("a down"))
                                              .arg(word.length).arg(direction)
                                              .arg(across ? 1 : p.DownQuesTop).arg(across ? p.DownQuesTop - 1 : p.QuesNmbMax));
    }
}

void PuzzleCheck::checkWordLines()
{
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const int line = lineOf.wordLine[q];
        QString rest = m_lines[line - 1];
        const QString number = CutField(rest);
        if (number != QString::number(q)) {
            // The lines after it are out of step too; one message says it.
            error(line, QStringLiteral("expected the line of word %1 of %2 (\"%1,clue,answer,…\"), found \"%3\"; "
                                       "is a word line missing or out of order?")
                            .arg(q).arg(p.QuesNmbMax).arg(m_lines[line - 1].left(40)));
            return;
        }
        const QString& clue = p.Ques[q].QuesText;
        if (rest.isEmpty() || rest.startsWith(QLatin1Char(',')))
            warning(line, QStringLiteral("word %1 has no clue").arg(q));
        else if (characterCount(clue) > MaxClueCharacters)
            warning(line, QStringLiteral("the clue of word %1 has %2 characters; the clue label shows %3 at most "
                                         "(%4 lines of %5 at its smallest font)")
                              .arg(q).arg(characterCount(clue)).arg(MaxClueCharacters).arg(ClueLines)
                              .arg(ClueCharactersPerLine));
    }
}

// Text as a clue and an answer are compared in: full-width letters and digits as ASCII,
// letters in one case, so that "ＣＵＰ" and "cup" meet.
QString comparable(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
            c = QChar(char16_t(c.unicode() - 0xFEE0));
        out += c.toLower();
    }
    return out;
}

QString hiragana(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(char16_t(c.unicode() - 0x60));
    return out;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isKatakana(QChar c)
{
    return (c.unicode() >= 0x30A1 && c.unicode() <= 0x30FA) || c == u'ー';
}

// Whether `form` stands in `clue` (both comparable). A form of letters or of katakana counts
// only as a whole word of its script: "an" is not found in "many", nor "ラン" in "レストラン".
bool containsForm(const QString& clue, const QString& form)
{
    bool (*const script)(QChar) = std::all_of(form.begin(), form.end(), isAsciiLetter) ? isAsciiLetter
                                : std::all_of(form.begin(), form.end(), isKatakana)    ? isKatakana
                                                                                       : nullptr;
    for (qsizetype at = clue.indexOf(form); at >= 0; at = clue.indexOf(form, at + 1)) {
        const qsizetype end = at + form.size();
        if (!script || ((at == 0 || !script(clue[at - 1])) && (end == clue.size() || !script(clue[end]))))
            return true;
    }
    return false;
}

// A clue that holds its own answer or another answer of the grid gives it away. An answer is
// looked for as written, as spelled in the grid and as read, from two characters on (a
// single kanji, kana or letter stands inside too many words to tell anything), and its
// reading in hiragana from three kana on (two, like "しま", are found in every other clue).
void PuzzleCheck::checkGiveaways()
{
    std::vector<QStringList> forms(size_t(p.QuesNmbMax) + 1);
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const QuesData& w = p.Ques[q];
        const auto add = [&forms, q](const QString& text, int shortest) {
            const QString form = comparable(text.trimmed());
            if (form.size() >= shortest && !forms[q].contains(form))
                forms[q] << form;
        };
        add(w.AnswerText, 2);
        add(w.Answer, 2);
        add(w.Reading, 2);
        add(hiragana(w.Reading), 3);
    }
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const QString clue = comparable(p.Ques[q].QuesText);
        for (int other = 1; other <= p.QuesNmbMax; ++other) {
            if (std::none_of(forms[other].begin(), forms[other].end(),
                             [&clue](const QString& form) { return containsForm(clue, form); }))
                continue;
            const QString& answer = p.Ques[other].AnswerText.isEmpty() ? p.Ques[other].Answer : p.Ques[other].AnswerText;
            warning(lineOf.wordLine[q],
                    other == q ? QStringLiteral("the clue of word %1 contains its own answer \"%2\"").arg(q).arg(answer)
                               : QStringLiteral("the clue of word %1 contains \"%2\", the answer of word %3; a clue "
                                                "gives away no answer of its grid").arg(q).arg(answer).arg(other));
        }
    }
}

// Grid characters a player cannot type, each named once with its first cell.
void PuzzleCheck::checkCharacters()
{
    struct Seen {
        int first = 0;
        int count = 0;
    };
    std::vector<std::pair<QString, Seen>> untypeable;  // in the order first met
    QHash<QString, size_t> place;
    for (int r = 1; r <= p.MasMaxY; ++r) {
        const QString& line = m_lines[lineOf.answerRow[r] - 1];
        if (characterCount(line) > p.MasMaxX)
            warning(lineOf.answerRow[r], QStringLiteral("row %1 of the answer grid has %2 characters; the game reads the "
                                                    "first %3")
                                         .arg(r).arg(characterCount(line)).arg(p.MasMaxX));
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            const QString& answer = p.Mas[i].Answer;
            if (!white(i) || answer.trimmed().isEmpty())
                continue;
            const bool typeable = answer.size() == 1
                               && (m_kana ? (m_typeable == nullptr || m_typeable->contains(answer[0]))
                                          : isGridLetter(answer[0]));
            if (typeable)
                continue;
            if (!place.contains(answer)) {
                place.insert(answer, untypeable.size());
                untypeable.push_back({answer, Seen{i, 0}});
            }
            ++untypeable[place[answer]].second.count;
        }
    }
    for (const auto& [character, seen] : untypeable) {
        warning(lineOf.answerRow[row(seen.first)],
                QStringLiteral("%1 holds \"%2\", which a player cannot type: expected %3%4")
                    .arg(cell(seen.first), character)
                    .arg(m_kana ? QStringLiteral("a kana of the romaji table (small kana are written large)")
                                : QStringLiteral("a full-width capital Ａ..Ｚ"))
                    .arg(seen.count > 1 ? QStringLiteral(" (%1 cells in this puzzle)").arg(seen.count) : QString()));
    }
}

// The puzzle number a line marks for the game (";#12"), or 0.
int markerNumber(const QString& line)
{
    if (!line.startsWith(QLatin1String(";#")))
        return 0;
    bool ok = false;
    const int n = line.mid(2).toInt(&ok);
    return ok && n > 0 && line == QStringLiteral(";#") + QString::number(n) ? n : 0;
}

// Warns about sections the game never reads; gives the first line of each puzzle's marker.
QHash<int, int> checkMarkers(const QStringList& lines, int count, Diagnostics& d)
{
    QHash<int, int> firstLine;
    for (int i = 0; i < lines.size(); ++i) {
        const int n = markerNumber(lines[i]);
        if (n == 0)
            continue;
        if (firstLine.contains(n))
            d.warning(i + 1, QStringLiteral("a second section of puzzle %1; the game reads only the first (line %2)")
                                 .arg(n).arg(firstLine[n]));
        else if (n > count)
            d.warning(i + 1, QStringLiteral("puzzle %1 is beyond the %2 puzzles the header announces; the game never "
                                            "offers it").arg(n).arg(count));
        firstLine.insert(n, firstLine.value(n, i + 1));
    }
    return firstLine;
}

// One problem for all the puzzles the header announces that have no section.
void reportMissingSections(const QHash<int, int>& markers, int count, Diagnostics& d)
{
    QStringList missing;
    int more = 0;
    for (int n = 1; n <= count; ++n) {
        if (markers.contains(n))
            continue;
        if (missing.size() < 10)
            missing << QString::number(n);
        else
            ++more;
    }
    if (missing.isEmpty())
        return;
    if (missing.size() == 1) {
        d.error(4, QStringLiteral("the header announces %1 puzzles but puzzle %2 has no section (no line \";#%2\")")
                       .arg(count).arg(missing[0]));
        return;
    }
    d.error(4, QStringLiteral("the header announces %1 puzzles but puzzles %2%3 have no section (no line \";#n\")")
                   .arg(count).arg(missing.join(QStringLiteral(", ")))
                   .arg(more ? QStringLiteral(" and %1 more").arg(more) : QString()));
}

} // namespace

bool readPlayFileStart(const QByteArray& bytes, Diagnostics& d, PlayFileText& text, PlayFileHeader& header)
{
    text = decodePlayFile(bytes);
    if (!text.ok) {
        d.error(text.problem.line, text.problem.message);
        return false;
    }
    header = parsePlayFileHeader(text.lines);
    if (!header.ok) {
        d.error(header.errorLine, header.error);
        return false;
    }
    return true;
}

CheckResult checkPlayFile(const QByteArray& bytes, KanaTyping& typing)
{
    CheckResult result;
    Diagnostics& d = result.diagnostics;
    if (bytes.size() > MaxPlayFileBytes) {
        d.error(0, QStringLiteral("%1 bytes are far too many for a play file; expected at most %2")
                       .arg(bytes.size()).arg(MaxPlayFileBytes));
        return result;
    }
    PlayFileText text;
    PlayFileHeader header;
    if (!readPlayFileStart(bytes, d, text, header))
        return result;
    result.puzzles = header.crossCount;
    // The game reads the number the line starts with: "1,かな" is a kana file; a line that
    // starts with no 0 or 1 plays as letters, which its author hardly meant.
    const QString mode = text.lines[1].trimmed();
    const int modeNumber = leadingNumber(mode);
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]"));
    const bool startsWithNumber = number.match(mode).hasMatch();
    if (modeNumber != 1 && (modeNumber != 0 || !startsWithNumber))
        d.warning(2, QStringLiteral("keypad mode \"%1\" plays as letters; expected a line starting with 1 (kana) or 0 "
                                    "(letters)").arg(mode));
    const QHash<int, int> markers = checkMarkers(text.lines, header.crossCount, d);
    reportMissingSections(markers, header.crossCount, d);

    const bool kana = header.keypadMode == 1;
    const QSet<QChar>* typeable = nullptr;
    if (kana) {
        QString error;
        typeable = typing.kana(&error);
        if (!typeable)
            d.error(0, QStringLiteral("cannot tell which kana a player can type: %1").arg(error));
    }
    for (int n = 1; n <= header.crossCount; ++n) {
        if (!markers.contains(n))
            continue;
        const CrossReadResult read = parseCrossLines(text.lines, n);
        for (const PlayFileProblem& problem : read.problems)
            d.error(problem.line, QStringLiteral("puzzle %1: %2").arg(n).arg(problem.message));
        if (read.complete)
            PuzzleCheck(n, read, text.lines, kana, typeable, d).run();
    }
    return result;
}

} // namespace norda
