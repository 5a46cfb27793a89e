#include "OpenCrosswordImport.h"

#include "CrossFile.h"
#include "GridCharacters.h"
#include "GridLayout.h"
#include "Refusal.h"

#include <QHash>
#include <QRegularExpression>

#include <map>

namespace {

enum class Script { None, Letters, Kana };

// One solution cell as the grid stores it and as the file writes it (kana in katakana,
// small kana kept, for readings). Script::None when the cell holds no one letter or kana.
struct GridCharacter {
    Script script = Script::None;
    QChar stored, written;
};

GridCharacter gridCharacter(const QString& cell)
{
    // NFKC makes half-width katakana full-width (ｶﾞ -> ガ) and full-width letters ASCII.
    const QList<uint> text = cell.trimmed().normalized(QString::NormalizationForm_KC).toUcs4();
    if (text.size() != 1 || text[0] > 0xFFFF)
        return {};
    QChar c{char16_t(text[0])};
    if (const QChar letter = fullWidthCapital(c); !letter.isNull())
        return {Script::Letters, letter, letter};
    if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
        c = QChar(char16_t(c.unicode() + 0x60));  // hiragana to katakana
    if (isKatakana(c))
        return {Script::Kana, largeKana(c), c};
    return {};
}

QString scriptName(Script script)
{
    return script == Script::Kana ? QStringLiteral("a kana") : QStringLiteral("a letter");
}

class Importer {
public:
    explicit Importer(const OpenCrossword& c, ImportedCrossword& out) : m_c(c), m_out(out) {}
    void run();

private:
    void readGrid();
    // Puts each clue of a direction on its word: word q gets m_clues[q].
    void placeClues(bool across);

    const OpenCrossword& m_c;
    ImportedCrossword& m_out;
    GridLayout m_layout;
    std::vector<QChar> m_stored, m_written;
    std::vector<const OpenClue*> m_clues;  // per word number
};

void Importer::readGrid()
{
    const int w = m_c.width, h = m_c.height;
    if (w < 1 || h < 1 || w > MaxGridSide || h > MaxGridSide)
        refuse(QStringLiteral("the grid is %1 x %2; the game plays 1..%3 cells a side").arg(w).arg(h).arg(MaxGridSide));
    if (m_c.solution.size() != size_t(w) * size_t(h))
        refuse(QStringLiteral("the solution has %1 cells; a %2 x %3 grid has %4").arg(m_c.solution.size()).arg(w).arg(h).arg(w * h));
    const int lineLength = w + 2;
    const int cells = (h + 2) * lineLength;
    m_stored.assign(cells, BlackSquare);
    m_written.assign(cells, BlackSquare);
    std::vector<bool> white(cells, false);
    Script script = Script::None;
    int firstRow = 0, firstColumn = 0;
    for (int r = 1; r <= h; ++r) {
        for (int c = 1; c <= w; ++c) {
            const QString& cell = m_c.solution[size_t(r - 1) * size_t(w) + size_t(c - 1)];
            if (cell.isEmpty())
                continue;
            const GridCharacter g = gridCharacter(cell);
            if (g.script == Script::None)
                refuse(QStringLiteral("%1 holds \"%2\"; expected one letter A..Z or one kana").arg(cellName(r, c), cell));
            if (script == Script::None) {
                script = g.script;
                firstRow = r;
                firstColumn = c;
            } else if (g.script != script) {
                refuse(QStringLiteral("%1 holds \"%2\", %3, but %4 holds %5; a puzzle is all letters or all kana")
                           .arg(cellName(r, c), cell, scriptName(g.script), cellName(firstRow, firstColumn), scriptName(script)));
            }
            const int i = r * lineLength + c;
            m_stored[i] = g.stored;
            m_written[i] = g.written;
            white[i] = true;
        }
    }
    m_out.keypadMode = script == Script::Kana ? 1 : 0;
    m_layout = layoutGrid(h, w, white);
    for (int r = 1; r <= h; ++r) {
        for (int c = 1; c <= w; ++c) {
            if (m_layout.kind[m_layout.index(r, c)] == 0)
                refuse(QStringLiteral("%1 is a white cell in no word; the game plays words of two or more cells").arg(cellName(r, c)));
        }
    }
    if (m_layout.words.empty())
        refuse(QStringLiteral("the grid has no word of two or more white cells"));
}

void Importer::placeClues(bool across)
{
    const std::vector<OpenClue>& clues = across ? m_c.across : m_c.down;
    const QString direction = across ? QStringLiteral("across") : QStringLiteral("down");
    const int first = across ? 1 : m_layout.downTop;
    const int last = across ? m_layout.downTop - 1 : int(m_layout.words.size());
    const std::vector<int> numbers = crosswordNumbers(m_layout);
    std::map<int, int> wordOfNumber;  // crossword number -> word of this direction
    for (int q = first; q <= last; ++q)
        wordOfNumber[numbers[m_layout.words[q - 1].start]] = q;
    for (size_t k = 0; k < clues.size(); ++k) {
        const OpenClue& clue = clues[k];
        int q = 0;
        if (clue.number == 0) {
            // A clue without a number takes the word of its place in the list.
            q = first + int(k) <= last ? first + int(k) : 0;
            if (q == 0)
                refuse(QStringLiteral("%1 clue %2 (the %3th, unnumbered) has no word: the grid has %4 %1 words")
                           .arg(direction).arg(k + 1).arg(k + 1).arg(last - first + 1));
        } else {
            const auto found = wordOfNumber.find(clue.number);
            if (found == wordOfNumber.end())
                refuse(QStringLiteral("%1 clue %2 has no word: no %1 word starts at a cell numbered %2").arg(direction).arg(clue.number));
            q = found->second;
        }
        if (m_clues[q])
            refuse(QStringLiteral("%1 clue %2 is given twice").arg(direction).arg(numbers[m_layout.words[q - 1].start]));
        m_clues[q] = &clue;
    }
    for (int q = first; q <= last; ++q) {
        const int start = m_layout.words[q - 1].start;
        const int row = start / m_layout.lineLength(), column = start % m_layout.lineLength();
        if (!m_clues[q] || plainClueText(m_clues[q]->text).isEmpty())
            refuse(QStringLiteral("the %1 word %2 at %3 has no clue").arg(direction).arg(numbers[start]).arg(cellName(row, column)));
        const int length = characterCount(plainClueText(m_clues[q]->text));
        if (length > MaxClueCharacters)
            m_out.warnings << QStringLiteral("%1 clue %2 has %3 characters; the clue label shows %4 at most")
                                  .arg(direction).arg(numbers[start]).arg(length).arg(MaxClueCharacters);
    }
}

// A text on one line of the play file: control characters (line ends, NUL, which the
// reader refuses) as spaces.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    }
    return text;
}

// A plain text as a field of the play file's word line: on one line, commas full-width.
QString fieldText(const QString& text)
{
    return oneLine(text).replace(QLatin1Char(','), QChar(0xFF0C));
}

void Importer::run()
{
    readGrid();
    m_clues.assign(m_layout.words.size() + 1, nullptr);
    placeClues(true);
    placeClues(false);
    bool numeric = false;
    const int difficulty = m_c.difficulty.trimmed().toInt(&numeric);
    const int level = numeric && difficulty >= 0 && difficulty <= 5 ? difficulty : 0;
    if (!m_c.difficulty.trimmed().isEmpty() && !(numeric && difficulty >= 0 && difficulty <= 5))
        m_out.warnings << QStringLiteral("the difficulty \"%1\" is not a level 0..5; the puzzle plays at level 0").arg(m_c.difficulty);
    Puzzle p = layoutPuzzle(m_layout, m_stored, level);
    const bool kana = m_out.keypadMode == 1;
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const OpenClue& clue = *m_clues[q];
        const GridWord& word = m_layout.words[q - 1];
        QuesData& w = p.Ques[q];
        w.QuesText = plainClueText(clue.text);
        w.AnswerText = clue.answer.isEmpty() ? p.Ques[q].Answer : fieldText(clue.answer);
        // Without a reading a kana word reads as the file writes it (small kana kept); a
        // letter word as the grid stores it, as norda build does.
        w.Reading = !clue.reading.isEmpty() ? fieldText(clue.reading)
                  : kana                    ? wordText(m_layout, word, m_written)
                                            : p.Ques[q].Answer;
    }
    m_out.title = oneLine(m_c.title).trimmed();
    m_out.author = m_c.author;
    m_out.copyright = m_c.copyright;
    m_out.notes = m_c.notes;
    int serial = 0;
    setWordFields(p, m_out.title, m_out.keypadMode, serial);
    m_out.puzzle = std::move(p);
}

// The character a named reference stands for; null for a name not known here.
QChar namedCharacter(const QString& name)
{
    static const QHash<QString, char16_t> names{
        {QStringLiteral("amp"), u'&'},     {QStringLiteral("lt"), u'<'},      {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'},    {QStringLiteral("apos"), u'\''},   {QStringLiteral("nbsp"), u' '},
        {QStringLiteral("mdash"), u'—'},   {QStringLiteral("ndash"), u'–'},   {QStringLiteral("hellip"), u'…'},
        {QStringLiteral("lsquo"), u'‘'},   {QStringLiteral("rsquo"), u'’'},   {QStringLiteral("ldquo"), u'“'},
        {QStringLiteral("rdquo"), u'”'},   {QStringLiteral("eacute"), u'é'},  {QStringLiteral("egrave"), u'è'},
        {QStringLiteral("aacute"), u'á'},  {QStringLiteral("agrave"), u'à'},  {QStringLiteral("uuml"), u'ü'},
        {QStringLiteral("ouml"), u'ö'},    {QStringLiteral("auml"), u'ä'},    {QStringLiteral("ntilde"), u'ñ'},
        {QStringLiteral("ccedil"), u'ç'},  {QStringLiteral("deg"), u'°'},     {QStringLiteral("times"), u'×'},
    };
    const auto found = names.find(name);
    return found == names.end() ? QChar() : QChar(found.value());
}

} // namespace

QString plainClueText(const QString& markup)
{
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    static const QRegularExpression reference(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z]{2,8});"));
    static const QRegularExpression blanks(QStringLiteral("[ \\t\\r\\n]+"));
    QString text = oneLine(markup);
    text.replace(tag, QStringLiteral(" "));
    QString out;
    qsizetype from = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(1);
        QString character;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name.at(1).toLower() == u'x' ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            const bool usable = ok && code >= 0x20 && !(code >= 0x7F && code < 0xA0) && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
            const char32_t c = code == 0xA0 ? U' ' : char32_t(code);
            if (usable)
                character = QString::fromUcs4(&c, 1);
        } else if (const QChar c = namedCharacter(name); !c.isNull()) {
            character = c;
        }
        if (character.isNull())
            continue;  // kept as written
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += character;
        from = m.capturedEnd();
    }
    out += QStringView(text).mid(from);
    out.replace(QChar(0xA0), QLatin1Char(' '));
    out.replace(QLatin1Char(','), QChar(0xFF0C));
    return out.replace(blanks, QStringLiteral(" ")).trimmed();
}

ImportedCrossword importOpenCrossword(const OpenCrossword& crossword)
{
    ImportedCrossword out;
    try {
        Importer(crossword, out).run();
        out.ok = true;
    } catch (const Refused& refused) {
        out = ImportedCrossword{};
        out.error = refused.reason;
    }
    return out;
}
