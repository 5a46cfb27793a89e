// The sample play files that the build converts into the program folder: genuine
// crosswords whose word lists agree with their answer grids.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "ContentFiles.h"
#include "form/Cp932.h"

using namespace content;

namespace {

const QString KanaFile = QStringLiteral("サンプル_カナ.kmi");
const QString LetterFile = QStringLiteral("サンプル_英単語.kmi");

QStringList fileLines(const QString& name)
{
    bool ok = false;
    const QString text = form::fromCp932(programFile(name), &ok);
    EXPECT_TRUE(ok) << name.toStdString();
    return form::splitLines(text);
}

SamplePlayFile load(const QString& name)
{
    SamplePlayFile file;
    QString error;
    EXPECT_TRUE(parsePlayFile(fileLines(name), &file, &error)) << name.toStdString() << ": " << error.toStdString();
    return file;
}

void expectConsistent(const QString& name, bool kana)
{
    const SamplePlayFile file = load(name);
    EXPECT_EQ(file.keypadMode == 1, kana);
    EXPECT_GE(file.crossCount, 3);
    ASSERT_EQ(file.puzzles.size(), file.crossCount);
    for (const SamplePuzzle& p : file.puzzles)
        EXPECT_EQ(checkPuzzle(p, kana).join(QLatin1Char('\n')).toStdString(), "")
            << name.toStdString() << " puzzle " << p.number;
}

// Index of the first line at or after `from` that equals `text`.
int lineAfter(const QStringList& lines, const QString& text, int from)
{
    return static_cast<int>(lines.indexOf(text, from));
}

// Whether the checker notices the damage: the file no longer reads, or a puzzle is faulty.
bool damageNoticed(const QStringList& lines, bool kana)
{
    SamplePlayFile file;
    QString error;
    if (!parsePlayFile(lines, &file, &error))
        return true;
    for (const SamplePuzzle& p : file.puzzles)
        if (!checkPuzzle(p, kana).isEmpty())
            return true;
    return false;
}

} // namespace

// Both files arrive in CP932 with CR LF line ends.
TEST(SamplePlayFiles, AreCp932WithCrLfLineEnds)
{
    for (const QString& name : {KanaFile, LetterFile}) {
        const QByteArray bytes = programFile(name);
        ASSERT_FALSE(bytes.isEmpty()) << "missing " << name.toStdString();
        EXPECT_TRUE(allLinesEndInCrLf(bytes)) << name.toStdString();
        bool ok = false;
        form::fromCp932(bytes, &ok);
        EXPECT_TRUE(ok) << name.toStdString();
    }
}

// Kana file: keypad mode 1; each puzzle's kinds, numbers and words agree with its grid.
TEST(SamplePlayFiles, KanaFileIsConsistent)
{
    expectConsistent(KanaFile, true);
}

// Letter file: another keypad mode, full-width capitals in the grid.
TEST(SamplePlayFiles, LetterFileIsConsistent)
{
    expectConsistent(LetterFile, false);
}

// Each file runs from a small board through 15 x 13 to boards larger than the 11 x 10
// window, at rising levels shown as stars.
TEST(SamplePlayFiles, RangeFromSmallToLargerThanTheWindow)
{
    for (const QString& name : {KanaFile, LetterFile}) {
        const SamplePlayFile file = load(name);
        bool small = false, w15h13 = false;
        int larger = 0;
        for (const SamplePuzzle& p : file.puzzles) {
            small = small || p.rows * p.columns <= 36;
            w15h13 = w15h13 || (p.columns == 15 && p.rows == 13);
            larger += p.columns > 11 || p.rows > 10;
            EXPECT_GE(p.level, 1);
            EXPECT_LE(p.level, 5);
        }
        EXPECT_TRUE(small) << name.toStdString();
        EXPECT_TRUE(w15h13) << name.toStdString();
        EXPECT_GE(larger, 2) << name.toStdString();
    }
}

// Clues are shown whole in the largest clue font (at most 39 characters) and cannot hold a
// comma; the SN field keeps its commas.
TEST(SamplePlayFiles, CluesFitAndSnKeepsItsCommas)
{
    for (const QString& name : {KanaFile, LetterFile})
        for (const SamplePuzzle& p : load(name).puzzles)
            for (const SampleWord& w : p.words) {
                EXPECT_LE(w.clue.size(), 39) << w.clue.toStdString();
                EXPECT_FALSE(w.clue.contains(QLatin1Char(','))) << w.clue.toStdString();
                EXPECT_TRUE(w.sn.contains(QLatin1Char(','))) << w.sn.toStdString();
                EXPECT_EQ(w.qn, w.number);
                EXPECT_EQ(w.an.toInt(), (name == KanaFile ? gridForm(w.reading) : w.answerText).size());
            }
}

// No word repeats within a file, so a player never meets the same answer twice.
TEST(SamplePlayFiles, NoWordRepeatsWithinAFile)
{
    for (const QString& name : {KanaFile, LetterFile}) {
        QSet<QString> seen;
        for (const SamplePuzzle& p : load(name).puzzles)
            for (const SampleWord& w : p.words) {
                EXPECT_FALSE(seen.contains(w.answerText)) << w.answerText.toStdString();
                seen.insert(w.answerText);
            }
    }
}

// Every character of the kana grids is the grid kana of some romaji key, so every answer
// can be typed through the keypad.
TEST(SamplePlayFiles, KanaAnswersCanBeTyped)
{
    bool ok = false;
    RomaKanaTable table;
    QString error;
    ASSERT_TRUE(parseRomaKanaTable(form::fromCp932(programFile(QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt")), &ok),
                                   &table, &error))
        << error.toStdString();
    QSet<QString> typeable;
    for (const auto* section : {&table.one, &table.two, &table.three})
        for (const RomaKanaEntry& e : *section)
            if (e.grid.size() == 1)
                typeable.insert(e.grid);
    for (const SamplePuzzle& p : load(KanaFile).puzzles) {
        for (const QString& row : p.answer) {
            for (QChar c : row) {
                EXPECT_TRUE(c == QChar(0x25A0) || typeable.contains(QString(c))) << QString(c).toStdString();
            }
        }
    }
}

// The checker is not blind: damaged copies of the kana file are noticed.
TEST(SamplePlayFileChecker, NoticesDamagedCopies)
{
    const QStringList good = fileLines(KanaFile);
    ASSERT_FALSE(damageNoticed(good, true));
    const int first = lineAfter(good, QStringLiteral(";#1"), 0);
    const int answer = lineAfter(good, QStringLiteral(";答え"), first) + 1;
    const int kinds = lineAfter(good, QStringLiteral(";升目の種類（1:黒 2:横 3:縦 4:交差）"), first) + 2;
    const int across = lineAfter(good, QStringLiteral(";横の問題番号"), first) + 1;
    const int words = lineAfter(good, QStringLiteral(";問題（番号・ヒント・答え・ヨミ・ID・CN・BN・QN・AN・SN）"), first) + 1;
    ASSERT_GT(first, 0);

    QStringList letter = good; // one letter of the answer grid changed
    const qsizetype at = letter[answer].indexOf(QRegularExpression(QStringLiteral("[^■]")));
    ASSERT_GE(at, 0);
    letter[answer][at] = letter[answer][at] == QChar(0x30A2) ? QChar(0x30A4) : QChar(0x30A2);
    EXPECT_TRUE(damageNoticed(letter, true));

    QStringList kind = good; // a crossing marked as an across-only cell
    kind[kinds] = kind[kinds].contains(QLatin1Char('4')) ? QString(kind[kinds]).replace(QLatin1Char('4'), QLatin1Char('2'))
                                                        : QString(kind[kinds]).replace(QLatin1Char('2'), QLatin1Char('4'));
    EXPECT_TRUE(damageNoticed(kind, true));

    QStringList number = good; // an across number moved to the next cell
    QStringList items = number[across].split(QLatin1Char(','));
    for (int i = 0; i + 1 < items.size(); ++i)
        if (items[i] != QLatin1String("0")) {
            std::swap(items[i], items[i + 1]);
            break;
        }
    number[across] = items.join(QLatin1Char(','));
    EXPECT_TRUE(damageNoticed(number, true));

    QStringList reading = good; // a word line whose reading does not match the grid
    reading[words].replace(QRegularExpression(QStringLiteral(",([^,]*),K")), QStringLiteral(",ア\\1,K"));
    EXPECT_TRUE(damageNoticed(reading, true));

    QStringList missing = good; // a word line dropped
    missing.removeAt(words);
    EXPECT_TRUE(damageNoticed(missing, true));

    QStringList marker = good; // the second puzzle's marker lost
    marker.removeAll(QStringLiteral(";#2"));
    EXPECT_TRUE(damageNoticed(marker, true));

    EXPECT_TRUE(damageNoticed(good.mid(0, good.size() / 2), true)); // truncated
    EXPECT_TRUE(damageNoticed(QStringList(), true));                 // empty
    QStringList count = good;                                        // a count that is not a number
    count[3] = QStringLiteral("four");
    EXPECT_TRUE(damageNoticed(count, true));

    // The UTF-8 source read as if it were CP932: wrong encoding never passes.
    bool ok = false;
    const QByteArray utf8 = form::fromCp932(programFile(KanaFile)).toUtf8();
    const QStringList garbled = form::splitLines(form::fromCp932(utf8, &ok));
    EXPECT_TRUE(!ok || damageNoticed(garbled, true));
}

// CutField: an empty field reads "0", and the rest of the line (commas and all) stays.
TEST(SamplePlayFileChecker, CutFieldFollowsTheFormat)
{
    QString line = QStringLiteral(",ヒント,a,b");
    EXPECT_EQ(cutField(line), QStringLiteral("0"));
    EXPECT_EQ(cutField(line), QStringLiteral("ヒント"));
    EXPECT_EQ(line, QStringLiteral("a,b"));
    QString last = QStringLiteral("tail");
    EXPECT_EQ(cutField(last), QStringLiteral("tail"));
    EXPECT_TRUE(last.isEmpty());
}
