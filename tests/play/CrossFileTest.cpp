#include <gtest/gtest.h>

#include "play/CrossChoice.h"
#include "play/CrossTitle.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

namespace {

TEST(CrossFile, ReadsTheGridWordsAndDerivedTables)
{
    const CrossReadResult r = parseCrossFile(playfiles::file(1, {playfiles::catSection(1)}), 1);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    const Puzzle& p = r.puzzle;
    EXPECT_EQ(p.MasMaxX, 3);
    EXPECT_EQ(p.MasMaxY, 3);
    EXPECT_EQ(p.MasLineLen, 5);
    EXPECT_EQ(p.MasLast, 24);
    EXPECT_EQ(p.CrossLevel, 3);
    EXPECT_EQ(p.QuesNmbMax, 3);
    EXPECT_EQ(p.DownQuesTop, 2);

    const MasData& topLeft = p.Mas[p.index(1, 1)];
    EXPECT_EQ(topLeft.Answer, QStringLiteral("Ｃ"));
    EXPECT_EQ(topLeft.Entry, QStringLiteral("　"));
    EXPECT_EQ(topLeft.PrevEntry, QStringLiteral("　"));
    EXPECT_EQ(topLeft.AcrossQues, 1);
    EXPECT_EQ(topLeft.DownQues, 2);
    EXPECT_EQ(p.Mas[p.index(2, 2)].Entry, QStringLiteral("■"));
    EXPECT_EQ(p.Mas[p.index(3, 3)].DownQues, 3);
    EXPECT_EQ(p.Mas[p.index(3, 3)].AcrossQues, 0);

    EXPECT_EQ(p.Ques[1].Answer, QStringLiteral("ＣＡＴ"));
    EXPECT_EQ(p.Ques[1].StartMas, 6);
    EXPECT_EQ(p.Ques[1].Length, 3);
    EXPECT_EQ(p.Ques[2].Answer, QStringLiteral("ＣＡＲ"));
    EXPECT_EQ(p.Ques[3].Answer, QStringLiteral("ＴＯＥ"));
    EXPECT_EQ(p.Ques[3].Length, 3);
    EXPECT_EQ(p.Ques[1].QuesText, QStringLiteral("ニャーと鳴く動物"));
    EXPECT_EQ(p.Ques[1].Reading, QStringLiteral("ネコ"));
}

TEST(CrossFile, EmptyFieldsReadAsZeroAndSnKeepsItsCommas)
{
    const CrossReadResult r = parseCrossFile(playfiles::file(1, {playfiles::catSection(1)}), 1);
    ASSERT_TRUE(r.ok);
    const QuesData& two = r.puzzle.Ques[2];
    EXPECT_EQ(two.ID, QStringLiteral("0"));
    EXPECT_EQ(two.AN, QStringLiteral("0"));
    EXPECT_EQ(two.SN, QString());
    EXPECT_EQ(r.puzzle.Ques[3].SN, QStringLiteral("体,見本,15x13,改訂"));
    EXPECT_EQ(r.puzzle.Ques[3].AN, QStringLiteral("3"));
    EXPECT_EQ(r.puzzle.Ques[1].SN, QStringLiteral("動物,見本"));
}

TEST(CrossFile, CutField)
{
    QString line = QStringLiteral(",,b,c");
    EXPECT_EQ(CutField(line), QStringLiteral("0"));
    EXPECT_EQ(line, QStringLiteral(",b,c"));
    EXPECT_EQ(CutField(line), QStringLiteral("0"));
    EXPECT_EQ(CutField(line), QStringLiteral("b"));
    EXPECT_EQ(CutField(line), QStringLiteral("c"));
    EXPECT_EQ(line, QString());
    EXPECT_EQ(CutField(line), QString());
    // Fewer commas leave the later fields empty.
    QString shortLine = QStringLiteral("1,clue");
    CutField(shortLine);
    EXPECT_EQ(CutField(shortLine), QStringLiteral("clue"));
    EXPECT_EQ(CutField(shortLine), QString());
}

TEST(CrossFile, FindsAMarkerThatStandsAfterOtherSections)
{
    QStringList second = playfiles::catSection(2);
    second[12] = QStringLiteral("ＣＯＴ"); // another puzzle, to tell them apart
    second[13] = QStringLiteral("Ａ■Ｎ");
    const QByteArray bytes = playfiles::file(12, {second, playfiles::catSection(12), playfiles::catSection(1)});
    const CrossReadResult twelve = parseCrossFile(bytes, 12);
    ASSERT_TRUE(twelve.ok) << twelve.error.toStdString();
    EXPECT_EQ(twelve.puzzle.Ques[1].Answer, QStringLiteral("ＣＡＴ"));
    const CrossReadResult two = parseCrossFile(bytes, 2);
    ASSERT_TRUE(two.ok);
    EXPECT_EQ(two.puzzle.Ques[1].Answer, QStringLiteral("ＣＯＴ"));
    // ";#1" is compared with the whole line: ";#12" is not puzzle 1.
    const CrossReadResult one = parseCrossFile(playfiles::file(12, {playfiles::catSection(12)}), 1);
    EXPECT_FALSE(one.ok);
}

TEST(CrossFile, AcceptsBareLineFeeds)
{
    QByteArray bytes = playfiles::file(1, {playfiles::catSection(1)});
    bytes.replace("\r\n", "\n");
    EXPECT_TRUE(parseCrossFile(bytes, 1).ok);
}

TEST(CrossTitle, Captions)
{
    EXPECT_EQ(crossTitleCaption(QStringLiteral("標準日本語クロス.kmi"), 3), QStringLiteral("標準日本語クロス [3]"));
    EXPECT_EQ(crossLevelCaption(0), QStringLiteral("ＣＵＳＴＯＭ"));
    EXPECT_EQ(crossLevelCaption(3), QStringLiteral("★★★　　"));
    EXPECT_EQ(crossLevelCaption(1), QStringLiteral("★　　　　"));
    EXPECT_EQ(crossLevelCaption(5), QStringLiteral("★★★★★"));
    EXPECT_EQ(crossLevelCaption(9), QStringLiteral("★★★★★"));
    EXPECT_FALSE(crossLevelCaption(-1).has_value());
    EXPECT_EQ(fullWidthNumber(42), QStringLiteral("４２"));
    EXPECT_EQ(fullWidthNumber(120), QStringLiteral("１２０"));
    EXPECT_EQ(crossSizeCaption(15, 13), QStringLiteral("W15xH13"));
}

TEST(NextUnsolvedCross, LooksAfterNThenFromTheStartNeverAtN)
{
    // Index 0 unused.
    EXPECT_EQ(NextUnsolvedCross(0, {0, 0, 0, 0}, 3), 1);
    EXPECT_EQ(NextUnsolvedCross(1, {0, 0, 1, 0}, 3), 3);
    EXPECT_EQ(NextUnsolvedCross(3, {0, 1, 0, 0}, 3), 2);
    // All others solved: 0 even though n itself is unsolved.
    EXPECT_EQ(NextUnsolvedCross(2, {0, 1, 0, 1}, 3), 0);
    EXPECT_EQ(NextUnsolvedCross(0, {0, 1, 1, 1}, 3), 0);
}

TEST(PlayFileHeader, LeadingNumbers)
{
    EXPECT_EQ(leadingNumber(QStringLiteral("12 puzzles")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("  1")), 1);
    EXPECT_EQ(leadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("-3")), -3);
}

// A long free-text first line (here 12000 bytes) does not push the later lines away.
TEST(PlayFileHeader, ReadsTheFourLinesWholeHoweverLongTheFirst)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.kmi"));
    QStringList lines = playfiles::header(7, 1);
    lines[0] = QString(6000, u'説');
    testsupport::writeFile(path, testsupport::cp932Lines(lines + playfiles::catSection(1)));
    const PlayFileHeader header = readPlayFileHeader(path);
    ASSERT_TRUE(header.ok) << header.error.toStdString();
    EXPECT_EQ(header.keypadMode, 1);
    EXPECT_EQ(header.crossCount, 7);
}

// Only 1 asks for kana entry; any other value is a letter puzzle (mode 0).
TEST(PlayFileHeader, KeypadModeIsOneOrZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mode.kmi"));
    const std::pair<int, int> cases[] = {{1, 1}, {2, 0}, {-1, 0}};
    for (const auto& [written, mode] : cases) {
        testsupport::writeFile(path, playfiles::file(1, {playfiles::catSection(1)}, written));
        const PlayFileHeader header = readPlayFileHeader(path);
        ASSERT_TRUE(header.ok) << header.error.toStdString();
        EXPECT_EQ(header.keypadMode, mode) << "written " << written;
    }
}

} // namespace
