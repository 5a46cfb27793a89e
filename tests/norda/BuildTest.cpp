// norda build: the play file of a source, byte for byte, read back by the game's reader;
// faults of a source named by their line, with nothing written.
#include "NordaRun.h"

#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using nordatest::norda;
using nordatest::testFile;

namespace {

// A letter source written as authors may: lower case, full-width letters, spaces around
// the bars, a comment and blank lines.
const char* const LetterSource = R"(# letters
title: Norda letters
keypad: 0

puzzle:
level: 3
grid:
cats
a■ｏ■
r■ｅ■
across:
cats | 「ねこ」の複数形を英語で
down:
car | カー | 「車」を英語で
toe|「足の指」を英語で
)";

TEST(NordaBuild, GivesTheExpectedPlayFileByteForByte)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("tiny.kmi"));
    const auto run = norda({QStringLiteral("build"), testFile(QStringLiteral("tiny_kana.txt")), QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(testsupport::readFile(out), testsupport::readFile(testFile(QStringLiteral("tiny_kana.kmi"))));
}

TEST(NordaBuild, ReadsBackThroughTheGamesReader)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("letters.txt"));
    const QString out = dir.filePath(QStringLiteral("letters.kmi"));
    testsupport::writeFile(source, QByteArray(LetterSource));
    const auto run = norda({QStringLiteral("build"), source, QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const PlayFileHeader header = readPlayFileHeader(out);
    ASSERT_TRUE(header.ok) << header.error.toStdString();
    EXPECT_EQ(header.keypadMode, 0);
    EXPECT_EQ(header.crossCount, 1);
    const CrossReadResult read = readCrossFileAt(out, 1);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const Puzzle& p = read.puzzle;
    EXPECT_EQ(p.MasMaxX, 4);
    EXPECT_EQ(p.MasMaxY, 3);
    EXPECT_EQ(p.CrossLevel, 3);
    ASSERT_EQ(p.QuesNmbMax, 3);
    EXPECT_EQ(p.DownQuesTop, 2);
    const QStringList answers{QStringLiteral("ＣＡＴＳ"), QStringLiteral("ＣＡＲ"), QStringLiteral("ＴＯＥ")};
    const QStringList clues{QStringLiteral("「ねこ」の複数形を英語で"), QStringLiteral("「車」を英語で"),
                            QStringLiteral("「足の指」を英語で")};
    const QStringList readings{QStringLiteral("ＣＡＴＳ"), QStringLiteral("カー"), QStringLiteral("ＴＯＥ")};
    for (int q = 1; q <= 3; ++q) {
        EXPECT_EQ(p.Ques[q].Answer, answers[q - 1]) << q;
        EXPECT_EQ(p.Ques[q].QuesText, clues[q - 1]) << q;
        EXPECT_EQ(p.Ques[q].Reading, readings[q - 1]) << q;
        EXPECT_EQ(p.Ques[q].AN, QString::number(answers[q - 1].size())) << q;
    }
    EXPECT_EQ(p.Ques[3].SN, QStringLiteral("Norda letters,W4xH3"));
    // Kinds from the grid: a crossing, an across-only cell over a black one.
    EXPECT_EQ(p.Mas[p.index(1, 1)].Kind, 4);
    EXPECT_EQ(p.Mas[p.index(1, 4)].Kind, 2);
    EXPECT_EQ(p.Mas[p.index(3, 3)].Kind, 3);

    // The kana file keeps the reading's small kana and stores them large in the grid.
    const QString kana = dir.filePath(QStringLiteral("kana.kmi"));
    ASSERT_EQ(norda({QStringLiteral("build"), testFile(QStringLiteral("tiny_kana.txt")), QStringLiteral("-o"), kana}).exitCode, 0);
    const CrossReadResult first = readCrossFileAt(kana, 1);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.puzzle.Ques[1].Answer, QStringLiteral("ラツパ"));
    EXPECT_EQ(first.puzzle.Ques[1].Reading, QStringLiteral("ラッパ"));
    EXPECT_EQ(first.puzzle.Ques[1].AnswerText, QStringLiteral("喇叭"));
    EXPECT_EQ(first.puzzle.Ques[2].Answer, QStringLiteral("ライオン"));
}

// Each fault names its source line; the output file is not written (an older one stays).
TEST(NordaBuild, BadSourcesNameTheLineAndWriteNothing)
{
    struct Case {
        const char* name;
        QByteArray from, to;  // the change made to the good source (none: an empty source)
        QString expected;
    };
    const Case cases[] = {
        {"an across clue missing", "cats | 「ねこ」の複数形を英語で\n", "",
         QStringLiteral(":11: error: the across clues are 0 but the grid has 1 across words")},
        {"a down clue too many", "toe|", "tee | 余分\ntoe|",
         QStringLiteral(":13: error: the down clues are 3 but the grid has 2 down words")},
        {"rows of unequal length", "a■ｏ■\n", "a■ｏ■■\n",
         QStringLiteral(":9: error: this row has 5 cells; expected 4 like the first row (line 8)")},
        {"a comma in a clue", "「車」を英語で", "「車」を,英語で", QStringLiteral(":14: error: the clue holds a comma")},
        {"an answer the grid does not spell", "toe|", "tie|",
         QStringLiteral(":15: error: the answer \"tie\" does not match down word 3 of the grid")},
        {"a kana in a letter grid", "r■ｅ■", "r■エ■",
         QStringLiteral(":10: error: row 3 column 3 holds \"エ\"; expected a letter A..Z or ■")},
        {"a white cell in no word", "r■ｅ■\n", "r■ｅ■\n■■■b\n",
         QStringLiteral(":11: error: row 4 column 4 is a white cell in no word")},
        {"a clue line with four fields", "car | カー |", "car | カー | くるま |",
         QStringLiteral(":14: error: a clue line has 4 fields")},
        {"a character CP932 stores as another", "「車」を英語で", "「車」〜英語で",
         QStringLiteral(":14: error: the clue holds \"〜\" (U+301C), which Shift-JIS (CP932) stores as \"～\"")},
        {"a stray line", "puzzle:\n", "puzzle:\nlevel 3\n", QStringLiteral(":6: error: expected a keyword line")},
        {"not UTF-8", "cats | 「ねこ」", "cats | \xff", QStringLiteral(":12: error: the text is not UTF-8")},
        {"empty", "", "", QStringLiteral(":1: error: the source has no \"title:\" line")},
    };
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("bad.txt"));
    const QString out = dir.filePath(QStringLiteral("bad.kmi"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray text = c.from.isEmpty() ? QByteArray() : QByteArray(LetterSource).replace(c.from, c.to);
        ASSERT_NE(text, QByteArray(LetterSource));
        testsupport::writeFile(source, text);
        testsupport::writeFile(out, QByteArray("older"));
        const auto run = norda({QStringLiteral("build"), source, QStringLiteral("-o"), out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(source + c.expected)) << run.err.toStdString();
        EXPECT_EQ(testsupport::readFile(out), QByteArray("older"));
    }
}

} // namespace
