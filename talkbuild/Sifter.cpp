#include "Sifter.h"

#include "Messages.h"
#include "Reporter.h"
#include "TalkLine.h"

#include <QFile>
#include <QFileInfo>

namespace tb {

namespace {
QString num(int value) { return QString::number(value); }
QString str(QStringView view) { return view.toString(); }
} // namespace

Sifter::Sifter(Reporter& reporter)
    : m_reporter(reporter)
    , m_refNew(MaxRefNmb + 1, -1)
    , m_refTalk(MaxRefNmb + 1)
    , m_refText(MaxRefNmb + 1)
    , m_newTalkStr(MaxTalkNmb + 1)
    , m_talkLines(MaxTalkNmb + 1)
{
}

void Sifter::setPaths(const QString& folder, const QString& sourceName)
{
    m_sourcePath = folder + QLatin1Char('/') + sourceName;
    m_newSourcePath = folder + QStringLiteral("/new") + sourceName;
    m_dataPath = folder + QStringLiteral("/TalkDt.Dat");
    m_indexPath = folder + QStringLiteral("/TalkIx.Dat");
}

void Sifter::print(const QString& line) { m_reporter.print(line); }

// Reads the source; talk lines are those that start with "':".
bool Sifter::GetBuffFromFile()
{
    QFile file(m_sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        print(str(msg::kCannotRead) + m_sourcePath);
        return false;
    }
    return loadSource(file.readAll());
}

bool Sifter::loadSource(const QByteArray& bytes)
{
    int badLine = 0;
    if (!m_source.parse(bytes, m_codec, &badLine)) {
        print(str(msg::kBadEncoding) + QLatin1Char(' ') + num(badLine));
        return false;
    }
    const int count = lineCount();
    if (count > MaxLines) {
        print(str(msg::kTooManyLines) + num(count));
        return false;
    }
    m_lineKind.assign(count + 1, 0);
    m_lineTalkNmb.assign(count + 1, 0);
    m_lineTalkCol.assign(count + 1, 0);
    // The original script is CP932 with no C++ file name; a UTF-8 source or a C++ file
    // name is read as C++.
    static const QStringList cppSuffixes = {QStringLiteral("cpp"), QStringLiteral("cc"),
                                            QStringLiteral("cxx"), QStringLiteral("h"),
                                            QStringLiteral("hpp")};
    m_cppSource = m_source.encoding() == SourceText::Encoding::Utf8
        || cppSuffixes.contains(QFileInfo(m_sourcePath).suffix(), Qt::CaseInsensitive);
    m_firstTalkLine = m_lastTalkLine = 0;
    for (int i = 1; i <= count; ++i) {
        if (!line(i).startsWith(QLatin1String("':")))
            continue;
        m_lineKind[i] = 1;
        m_lastTalkLine = i;
        if (m_firstTalkLine == 0)
            m_firstTalkLine = i;
    }
    return true;
}

// A directive, a ">" with the talk's number, the "*...." of an ordinary talk without one,
// or a "#"/"%" reference number: none of these stands on a continuation line.
bool Sifter::startsTalk(int i) const
{
    const QString& s = line(i);
    const QChar kind = col::at(s, 3);
    return s.startsWith(QLatin1String("':/New")) || col::at(s, 7) == QLatin1Char('>')
        || col::mid(s, 7, 5) == QLatin1String("*....")
        || ((kind == QLatin1Char('#') || kind == QLatin1Char('%')) && col::number(s, 4, 3) >= 0);
}

// Writes the heads the author leaves out: "_..." and "*...." on first lines, "_" on
// reused talks without a number, "^...^...." on every continuation line. A talk that runs
// into the first line of the next one would swallow it (and its number): that stops the
// tool, after every such talk has been reported.
bool Sifter::SetMarkOfMultiLine()
{
    bool ok = true;
    int i = m_firstTalkLine;
    while (i >= 1 && i <= m_lastTalkLine) {
        if (!isTalkLine(i) || line(i).startsWith(QLatin1String("':/New"))) {
            ++i;
            continue;
        }
        QString& first = lineRef(i);
        const QChar kind = col::at(first, 3);
        if (kind != QLatin1Char('#') && kind != QLatin1Char('%'))
            col::overwrite(first, 3, QStringLiteral("_..."));
        if (col::at(first, 7) != QLatin1Char('>')) {
            if (kind == QLatin1Char('%'))
                col::overwrite(first, 7, QStringLiteral("_"));
            else if (col::at(first, 3) == QLatin1Char('_'))
                col::overwrite(first, 7, QStringLiteral("*...."));
        }
        int last = i;
        if (!col::endsTalk(first)) {
            for (int j = i + 1;; ++j) {
                if (j > m_lastTalkLine) {
                    // No talk line is left that could end this talk: say so once and
                    // stop at the end of the source.
                    print(str(msg::kNoEndMark) + QLatin1Char(' ') + num(i) + QLatin1Char(' ') + line(i));
                    last = m_lastTalkLine;
                    break;
                }
                if (isTalkLine(j) && startsTalk(j)) {
                    print(str(msg::kNoEndMark) + QLatin1Char(' ') + num(i) + QLatin1Char(' ') + line(i));
                    print(str(msg::kNextTalkStarts) + QLatin1Char(' ') + num(j) + QLatin1Char(' ') + line(j));
                    ok = false;
                    last = j - 1;
                    break;
                }
                if (isTalkLine(j)) {
                    col::overwrite(lineRef(j), 3, QStringLiteral("^...^...."));
                } else {
                    // A program line inside a talk: the previous talk lacks its end mark.
                    // The line is reported and left as it is.
                    print(str(msg::kNoEndMark) + QLatin1Char(' ') + num(j) + QLatin1Char(' ') + line(j));
                }
                if (col::endsTalk(line(j))) {
                    last = j;
                    break;
                }
            }
        }
        i = last + 1;
    }
    return ok;
}

// The text of the talk that starts at line `first`: its first line's text and that of
// the continuation lines marked to follow it.
QString Sifter::gatherTalk(int first) const
{
    QString text = col::text(line(first));
    for (int j = first + 1; j <= m_lastTalkLine && !col::endsTalk(line(j - 1)); ++j) {
        if (!isTalkLine(j) || col::at(line(j), 7) != QLatin1Char('^'))
            break;
        text += col::text(line(j));
    }
    return text;
}

// Every "#" number is defined once, and every "%" talk reuses an earlier "#" talk with
// the very same text.
bool Sifter::CheckRefNmb()
{
    for (int i = m_firstTalkLine; i >= 1 && i <= m_lastTalkLine; ++i) {
        if (!isTalkLine(i))
            continue;
        const QString& s = line(i);
        const QChar kind = col::at(s, 3);
        if (kind != QLatin1Char('#') && kind != QLatin1Char('%'))
            continue;
        const int n = col::number(s, 4, 3);
        if (n < 1) {
            print(str(msg::kBadRefNumber) + QLatin1Char(' ') + num(i) + QLatin1Char(' ') + s);
            return false;
        }
        const QString text = gatherTalk(i);
        if (kind == QLatin1Char('#')) {
            if (m_refNew[n] != -1) {
                print(str(msg::kRefTwice) + QLatin1Char(' ') + s + QStringLiteral(" >") + num(n));
                return false;
            }
            m_refNew[n] = 1;
            m_refText[n] = text;
        } else {
            if (m_refNew[n] == -1) {
                print(str(msg::kRefUnknown) + QLatin1Char(' ') + s + QStringLiteral(" >") + num(n));
                return false;
            }
            if (text != m_refText[n]) {
                print(str(msg::kRefDiffers) + QLatin1Char(' ') + num(i));
                print(str(msg::kRefDiffersSharp) + m_refText[n]);
                print(str(msg::kRefDiffersPercent) + text);
                return false;
            }
        }
    }
    return true;
}

// Comments are not searched. In the original script an apostrophe starts one: a line
// whose first apostrophe stands in the first 13 columns (every talk line) is skipped, a
// later one cuts it, and so does a "//". In C++ an apostrophe opens a character literal:
// talk lines are skipped, and the line is cut at a "//" outside string and character
// literals.
std::optional<QString> Sifter::statementPart(int i) const
{
    const QString& s = line(i);
    if (!m_cppSource) {
        QString part = s;
        const qsizetype apostrophe = part.indexOf(QLatin1Char('\''));
        if (apostrophe >= 0 && apostrophe < 13)
            return std::nullopt;
        if (apostrophe >= 0)
            part.truncate(apostrophe);
        const qsizetype slashes = part.indexOf(QLatin1String("//"));
        if (slashes >= 0)
            part.truncate(slashes);
        return part;
    }
    if (isTalkLine(i))
        return std::nullopt;
    QChar quote;
    for (qsizetype k = 0; k < s.size(); ++k) {
        const QChar c = s[k];
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\'))
                ++k;
            else if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('/') && s.mid(k + 1, 1) == QLatin1String("/")) {
            return s.left(k);
        }
    }
    return s;
}

// Finds the talk number in each program statement between the first and the last talk
// line: the four digits after the first of the keys that is followed by one.
void Sifter::GetTalkNmb()
{
    static const QString keys[] = {
        QStringLiteral("Talk "), QStringLiteral("TalkNumber_Base = "),
        QStringLiteral("ChangeGalFaceWithTalk "), QStringLiteral("FlyingTalkBox "),
        QStringLiteral("Talk("), QStringLiteral("ChangeGalFaceWithTalk("),
        QStringLiteral("FlyingTalkBox("),
    };
    for (int i = m_firstTalkLine; i >= 1 && i <= m_lastTalkLine; ++i) {
        if (!line(i).contains(QLatin1String("Talk")))
            continue;
        std::optional<QString> part = statementPart(i);
        if (!part)
            continue;
        QString s = *part + QLatin1String("    ");
        for (const QString& key : keys) {
            const qsizetype p = s.indexOf(key);
            if (p < 0)
                continue;
            const int column = int(p + key.size()) + 1;
            const int value = col::number(s, column, 4);
            if (value > 999 && value < 10000) {
                m_lineTalkNmb[i] = value;
                m_lineTalkCol[i] = column;
                break;
            }
        }
    }
}

// Numbers the talks with ">" in file order from `start`; with `round`, a directive moves
// the next number up to the next ten or hundred (plus one for the "1" patterns).
bool Sifter::SetTalkNmbString(int start, bool round)
{
    int next = start;
    for (int i = m_firstTalkLine; i >= 1 && i <= m_lastTalkLine; ++i) {
        if (!isTalkLine(i))
            continue;
        QString& s = lineRef(i);
        const QChar mark = col::at(s, 7);
        if (mark == QLatin1Char('>')) {
            const int old = col::number(s, 8, 4);
            if (old < 1) {
                print(str(msg::kBadTalkNumber) + QLatin1Char(' ') + num(i) + QLatin1Char(' ') + s);
                return false;
            }
            if (next > MaxTalkNmb) {
                print(str(msg::kTalkOverLimit) + num(next) + QLatin1Char(' ') + num(i));
                return false;
            }
            m_newTalkStr[old] = num(next);
            m_talkLines[old].push_back(i);
            col::overwrite(s, 8, m_newTalkStr[old]);
            ++next;
        } else if (mark == QLatin1Char('=') && round) {
            const QString pattern = col::mid(s, 8, 4);
            if (pattern == QLatin1String("???0"))
                next = (next / 10 + 1) * 10;
            else if (pattern == QLatin1String("???1"))
                next = (next / 10 + 1) * 10 + 1;
            else if (pattern == QLatin1String("??00"))
                next = (next / 100 + 1) * 100;
            else if (pattern == QLatin1String("??01"))
                next = (next / 100 + 1) * 100 + 1;
        }
    }
    return true;
}

// Numbers the shared texts in file order from `start` and gives each "%" talk the new
// number of its "#" talk (and that talk's number when it has none of its own).
bool Sifter::SetRefNmbString(int start)
{
    int next = start;
    for (int i = m_firstTalkLine; i >= 1 && i <= m_lastTalkLine; ++i) {
        if (!isTalkLine(i))
            continue;
        QString& s = lineRef(i);
        const QChar kind = col::at(s, 3);
        if (kind == QLatin1Char('#')) {
            const int n = col::number(s, 4, 3);
            if (next > MaxRefNmb) {
                print(str(msg::kRefOverLimit) + num(next) + QLatin1Char(' ') + num(i));
                return false;
            }
            m_refNew[n] = next;
            if (col::at(s, 7) == QLatin1Char('>'))
                m_refTalk[n] = col::mid(s, 8, 4);
            col::overwrite(s, 4, num(next));
            ++next;
        } else if (kind == QLatin1Char('%')) {
            const int n = col::number(s, 4, 3);
            col::overwrite(s, 4, num(m_refNew[n]));
            if (col::at(s, 7) != QLatin1Char('>')) {
                // A "#" talk without a number of its own leaves nothing to point at.
                const QString talk = m_refTalk[n].isEmpty() ? QStringLiteral("....") : m_refTalk[n];
                col::overwrite(s, 7, QLatin1Char('_') + talk);
            }
        }
    }
    return true;
}

// Puts the new talk numbers into the program statements.
bool Sifter::SetTalkNmb()
{
    bool ok = true;
    for (int i = 1; i <= lineCount(); ++i) {
        const int old = m_lineTalkNmb[i];
        if (old <= 0)
            continue;
        const QString& replacement = m_newTalkStr[old];
        if (replacement.isEmpty()) {
            // No talk line defines this number: report it instead of removing the digits.
            print(str(msg::kUndefinedTalk) + QLatin1Char(' ') + num(i) + QStringLiteral(" >") + num(old));
            ok = false;
            continue;
        }
        const std::vector<int>& talks = m_talkLines[old];
        if (talks.size() > 1) {
            // Several talks carried this number: the statement could mean any of them.
            QString where;
            for (int t : talks)
                where += QLatin1Char(' ') + num(t);
            print(str(msg::kTalkNumberTwice) + QLatin1Char(' ') + num(i) + QStringLiteral(" >") + num(old)
                  + where);
            ok = false;
            continue;
        }
        QString& s = lineRef(i);
        const int column = m_lineTalkCol[i];
        s = s.left(column - 1) + replacement + s.mid(column + 3);
    }
    return ok;
}

// The rewritten source in the source's encoding.
bool Sifter::newSourceBytes(QByteArray* bytes)
{
    int badLine = 0;
    if (!m_source.serialise(m_codec, bytes, &badLine)) {
        print(str(msg::kNotCp932) + QLatin1Char(' ') + num(badLine));
        return false;
    }
    return true;
}

// Writes the rewritten source as "new" followed by the source's name.
bool Sifter::SaveNewText()
{
    QByteArray bytes;
    if (!newSourceBytes(&bytes))
        return false;
    QFile file(m_newSourcePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        print(str(msg::kCannotWrite) + m_newSourcePath);
        return false;
    }
    return true;
}

} // namespace tb
