// The board file read from its bytes: damage is named, and costs only the puzzle it hits.
#include "support/TestSupport.h"

#include "form/Cp932.h"
#include "records/BoardFile.h"

#include <gtest/gtest.h>

namespace {

TEST(BoardFile, DamageIsNamedAndCostsOnlyThePuzzleItHits)
{
    const board::SavedBoard kept{2, 3, {QStringLiteral("ア■イ"), QStringLiteral("　■ウ")}, 754};
    // A board file with the given lines, then a whole puzzle 4.
    const auto fileWith = [&](const QStringList& lines) {
        return testsupport::cp932Lines(QStringList{board::FirstLine} + lines +
                                       QStringList{QStringLiteral("#4,2,3,754")} + kept.rowTexts);
    };
    const QByteArray whole = fileWith({});
    const struct {
        QByteArray bytes;
        bool keepsPuzzle4;
        const char* what;
    } cases[] = {
        {fileWith({QStringLiteral("#2,2,3,0"), QStringLiteral("ア■イ"), QStringLiteral("ア■")}), true, "a row too short"},
        {fileWith({QStringLiteral("#2,2,3,0"), QStringLiteral("ア■イ")}), true, "cut short before the next puzzle"},
        {fileWith({QStringLiteral("#2,0,3,0")}), true, "no rows"},
        {fileWith({QStringLiteral("#2,100,3,0"), QStringLiteral("ア■イ")}), true, "more rows than a grid has"},
        {fileWith({QStringLiteral("#-2,1,3,0"), QStringLiteral("ア■イ")}), true, "no such puzzle"},
        {fileWith({QStringLiteral("#2,1,x,0"), QStringLiteral("ア■イ")}), true, "not a number"},
        {fileWith({QStringLiteral("#2,1,3"), QStringLiteral("ア■イ")}), true, "no seconds"},
        {fileWith({QStringLiteral("#2,1,3,-5"), QStringLiteral("ア■イ")}), true, "negative seconds"},
        {fileWith({QStringLiteral("#2,1,3,1234567"), QStringLiteral("ア■イ")}), true, "seconds too long"},
        {fileWith({QStringLiteral("stray text")}), true, "a stray line"},
        {whole.left(whole.size() - 8), false, "cut in the last row"},
        {QByteArray(whole).replace(form::toCp932(QStringLiteral("ウ")), "\x81\x20"), false, "bytes that are not CP932"},
        {QByteArray(), false, "empty"},
        {whole.left(5), false, "cut in the first line"},
        {(board::FirstLine + QStringLiteral("\r\n#4,2,3,754\r\nア■イ\r\n　■ウ\r\n")).toUtf8(), false, "UTF-8"},
        {fileWith({}).replace(" 2\r\n", " 3\r\n"), false, "a later version"},
    };
    for (const auto& c : cases) {
        const board::ReadResult r = board::parse(c.bytes);
        EXPECT_EQ(r.problems.size(), 1) << c.what << ": " << r.problems.join(u'|').toStdString();
        EXPECT_EQ(r.boards, c.keepsPuzzle4 ? (board::Boards{{4, kept}}) : board::Boards()) << c.what;
    }
}

// Version 1 kept no play clock: its puzzles are read with 0 seconds, and a header with
// seconds is not one of its headers.
TEST(BoardFile, VersionOneIsReadWithoutTheClock)
{
    const QStringList rows{QStringLiteral("ア■イ")};
    const board::ReadResult r = board::parse(testsupport::cp932Lines(
        QStringList{board::FirstLineVersion1, QStringLiteral("#3,1,3")} + rows +
        QStringList{QStringLiteral("#5,1,3,60")} + rows));
    EXPECT_EQ(r.boards, (board::Boards{{3, board::SavedBoard{1, 3, rows, 0}}}));
    ASSERT_EQ(r.problems.size(), 1);
    EXPECT_TRUE(r.problems[0].contains(QStringLiteral("(version 1)"))) << r.problems[0].toStdString();
}

} // namespace
