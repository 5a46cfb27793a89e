// The data files as the tool writes them: records, positions, index and shared texts.
#include "Helpers.h"

#include <gtest/gtest.h>

using namespace tbtest;

namespace {
Options noRounding()
{
    Options options;
    options.round = false;
    return options;
}
} // namespace

// Talk 1100 written first into an empty index: 1100 records of which the first 1099 are 0.
TEST(Writer, FirstTalkIntoEmptyIndex)
{
    Outcome out = convert({QStringLiteral("':_...>1100 ＋〈こんにちは。〉▼∴")}, noRounding());
    ASSERT_TRUE(out.ok) << out.report.printed.join('\n').toStdString();
    ASSERT_EQ(out.index.size(), 4400);
    for (int t = 1; t < 1100; ++t)
        ASSERT_EQ(indexRecord(out.index, t), 0) << t;
    EXPECT_EQ(indexRecord(out.index, 1100), 1);
    EXPECT_EQ(talk(out, 1100), QStringLiteral("＋〈こんにちは。〉▼∴"));
}

// Each record is a 2-byte little-endian length and the CP932 bytes of one line's text;
// positions are 1-based.
TEST(Writer, RecordLayoutAndPositions)
{
    Outcome out = convert({QStringLiteral("':_...>1100 ①㊥⊿∴"), QStringLiteral("':_...>1101 A∴")});
    ASSERT_TRUE(out.ok);
    const QByteArray first = cp932(QStringLiteral("①㊥⊿∴"));
    EXPECT_EQ(first, QByteArray("\x87\x40\x87\x86\x87\x99\x81\x88", 8));
    QByteArray expected;
    expected += char(first.size());
    expected += '\0';
    expected += first;
    expected += QByteArray("\x03\x00" "A\x81\x88", 5);
    EXPECT_EQ(out.data, expected);
    EXPECT_EQ(indexRecord(out.index, 1100), 1);
    EXPECT_EQ(indexRecord(out.index, 1101), 1 + 2 + first.size());
    EXPECT_EQ(out.index.size(), 1101 * 4);
}

// A "%" talk and a "#" talk with ">" that share reference 200 point at one stored text.
TEST(Writer, SharedTextStoredOnce)
{
    Outcome out = convert({QStringLiteral("':#200>1100 同じ文です。∴"),
                           QStringLiteral("':_...>1101 あいだ∴"),
                           QStringLiteral("':%200>1102 同じ文です。∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(records(out.data), QStringList({QStringLiteral("同じ文です。∴"), QStringLiteral("あいだ∴")}));
    EXPECT_EQ(indexRecord(out.index, 1100), 1);
    EXPECT_EQ(indexRecord(out.index, 1102), indexRecord(out.index, 1100));
}

// The continuation lines of a "%" talk are not stored, those of a "#" talk are; writing
// resumes with the talk after the "%" talk.
TEST(Writer, ContinuationsOfSharedTalks)
{
    Outcome out = convert({QStringLiteral("':#001>1100 一"),
                           QStringLiteral("':          二∴"),
                           QStringLiteral("':%001>1101 一"),
                           QStringLiteral("':          二∴"),
                           QStringLiteral("':_...>1102 三∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(records(out.data),
              QStringList({QStringLiteral("一"), QStringLiteral("二∴"), QStringLiteral("三∴")}));
    EXPECT_EQ(talk(out, 1101), QStringLiteral("一二∴"));
    EXPECT_EQ(talk(out, 1102), QStringLiteral("三∴"));
}

// Talks without ">" are stored in sequence and indexed nowhere; a "#" talk without a
// number of its own is still reachable through its "%" talks.
TEST(Writer, TalksWithoutNumber)
{
    Outcome out = convert({QStringLiteral("':_...>1100 A∴"),
                           QStringLiteral("':_...*.... B∴"),
                           QStringLiteral("':#005 .... 共有∴"),
                           QStringLiteral("':%005>1101 共有∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(records(out.data),
              QStringList({QStringLiteral("A∴"), QStringLiteral("B∴"), QStringLiteral("共有∴")}));
    EXPECT_EQ(out.index.size(), 1101 * 4);
    EXPECT_EQ(talk(out, 1101), QStringLiteral("共有∴"));
    EXPECT_EQ(indexRecord(out.index, 1101), 1 + 5 + 5);
}

// A line whose text is only the end mark is an empty talk; three lines A, B, C form one talk.
TEST(Writer, EmptyAndThreeLineTalks)
{
    Outcome out = convert({QStringLiteral("':_...>1100 ∴"),
                           QStringLiteral("':_...>1101 A"),
                           QStringLiteral("':          B"),
                           QStringLiteral("':          C∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(talk(out, 1100), QStringLiteral("∴"));
    EXPECT_EQ(talk(out, 1101), QStringLiteral("ABC∴"));
    EXPECT_EQ(records(out.data).size(), 4);
}

// A source without any talk line gives empty data files and its text back unchanged.
TEST(Writer, NoTalkLines)
{
    Outcome out = convert({QStringLiteral("int main() { return 0; }")});
    ASSERT_TRUE(out.ok);
    EXPECT_TRUE(out.dataWritten);
    EXPECT_TRUE(out.data.isEmpty());
    EXPECT_TRUE(out.index.isEmpty());
    EXPECT_EQ(out.newLines, QStringList({QStringLiteral("int main() { return 0; }")}));
}
