#include "PuzzleSource.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace norda {

namespace {

enum class Part { Header, Puzzle, Grid, Across, Down };

const QStringList Keywords{QStringLiteral("title"), QStringLiteral("keypad"), QStringLiteral("puzzle"),
                           QStringLiteral("level"), QStringLiteral("grid"), QStringLiteral("across"),
                           QStringLiteral("down")};

// The first line (from 1) that is not valid UTF-8.
int firstBadUtf8Line(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(lines[i]); // the decoding runs here
        if (utf8.hasError())
            return int(i) + 1;
    }
    return 0;
}

SourceClue parseClue(int line, const QString& text, Diagnostics& d)
{
    SourceClue clue;
    clue.line = line;
    QStringList fields = text.split(QLatin1Char('|'));
    for (QString& field : fields)
        field = field.trimmed();
    if (fields.size() < 2 || fields.size() > 3) {
        d.error(line, QStringLiteral("a clue line has %1 fields; expected \"答え | ヒント\" or \"答え | ヨミ | ヒント\"")
                          .arg(fields.size()));
        return clue;
    }
    static const char* const names2[] = {"the answer", "the clue"};
    static const char* const names3[] = {"the answer", "the reading", "the clue"};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString name = QString::fromUtf8(fields.size() == 2 ? names2[i] : names3[i]);
        if (fields[i].isEmpty())
            d.error(line, QStringLiteral("%1 is empty").arg(name));
        else if (fields[i].contains(QLatin1Char(',')))
            d.error(line, QStringLiteral("%1 holds a comma \",\", which would split the play file's word line; "
                                         "use 、 or ，").arg(name));
    }
    clue.answer = fields[0];
    clue.clue = fields.last();
    if (fields.size() == 3)
        clue.reading = fields[1];
    return clue;
}

} // namespace

PuzzleSource parsePuzzleSource(const QByteArray& utf8, Diagnostics& d)
{
    PuzzleSource source;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(utf8);
    if (decoder.hasError()) {
        d.error(firstBadUtf8Line(utf8), QStringLiteral("the text is not UTF-8; a puzzle source is UTF-8 text"));
        return source;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    source.lineCount = int(lines.size());

    static const QRegularExpression keywordLine(QStringLiteral("^([A-Za-z]+)\\s*:(.*)$"));
    Part part = Part::Header;
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        const QString content = lines[i].trimmed();
        if (content.isEmpty() || content.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = keywordLine.match(content);
        const QString keyword = match.hasMatch() ? match.captured(1).toLower() : QString();
        if (!Keywords.contains(keyword)) {
            SourcePuzzle* puzzle = source.puzzles.empty() ? nullptr : &source.puzzles.back();
            if (part == Part::Grid) {
                puzzle->rows << content;
                puzzle->rowLines.push_back(line);
            } else if (part == Part::Across || part == Part::Down) {
                (part == Part::Across ? puzzle->across : puzzle->down).push_back(parseClue(line, content, d));
            } else {
                d.error(line, QStringLiteral("expected a keyword line (title:, keypad:, puzzle:, level:, grid:, "
                                             "across: or down:), found \"%1\"").arg(content));
            }
            continue;
        }
        const QString value = match.captured(2).trimmed();
        if (keyword == QLatin1String("title") || keyword == QLatin1String("keypad")) {
            const bool title = keyword == QLatin1String("title");
            if ((title ? source.titleLine : source.keypadLine) != 0) {
                d.error(line, QStringLiteral("a second \"%1:\"; the first is on line %2")
                                  .arg(keyword).arg(title ? source.titleLine : source.keypadLine));
                continue;
            }
            (title ? source.titleLine : source.keypadLine) = line;
            if (title) {
                source.title = value;
                if (value.isEmpty())
                    d.error(line, QStringLiteral("the title is empty; expected the text of the play file's first line"));
            } else if (value == QLatin1String("0") || value == QLatin1String("1")) {
                source.keypad = value.toInt();
            } else {
                d.error(line, QStringLiteral("keypad is \"%1\"; expected 1 (kana file) or 0 (letter file)").arg(value));
            }
            continue;
        }
        if (keyword == QLatin1String("puzzle")) {
            if (!value.isEmpty())
                d.error(line, QStringLiteral("nothing may follow \"puzzle:\" on its line"));
            source.puzzles.push_back(SourcePuzzle{});
            source.puzzles.back().line = line;
            part = Part::Puzzle;
            continue;
        }
        if (source.puzzles.empty()) {
            d.error(line, QStringLiteral("\"%1:\" outside a puzzle; start the puzzle with \"puzzle:\"").arg(keyword));
            continue;
        }
        SourcePuzzle& puzzle = source.puzzles.back();
        if (keyword == QLatin1String("level")) {
            bool ok = false;
            const int level = value.toInt(&ok);
            if (puzzle.levelLine != 0)
                d.error(line, QStringLiteral("a second \"level:\" in this puzzle; the first is on line %1").arg(puzzle.levelLine));
            else if (!ok || level < 0 || level > 5)
                d.error(line, QStringLiteral("level is \"%1\"; expected 0..5 (0 shows ＣＵＳＴＯＭ)").arg(value));
            else
                puzzle.level = level;
            puzzle.levelLine = line;
            part = Part::Puzzle;
            continue;
        }
        int& keywordLineOf = keyword == QLatin1String("grid") ? puzzle.gridLine
                           : keyword == QLatin1String("across") ? puzzle.acrossLine : puzzle.downLine;
        if (keywordLineOf != 0)
            d.error(line, QStringLiteral("a second \"%1:\" in this puzzle; the first is on line %2").arg(keyword).arg(keywordLineOf));
        else if (!value.isEmpty())
            d.error(line, QStringLiteral("nothing may follow \"%1:\" on its line; its lines follow below").arg(keyword));
        keywordLineOf = line;
        part = keyword == QLatin1String("grid") ? Part::Grid : keyword == QLatin1String("across") ? Part::Across : Part::Down;
    }
    if (source.titleLine == 0)
        d.error(1, QStringLiteral("the source has no \"title:\" line"));
    if (source.keypadLine == 0)
        d.error(1, QStringLiteral("the source has no \"keypad:\" line; expected keypad: 1 (kana) or keypad: 0 (letters)"));
    if (source.puzzles.empty())
        d.error(std::max(1, source.lineCount), QStringLiteral("the source has no puzzle; start one with \"puzzle:\""));
    return source;
}

} // namespace norda
