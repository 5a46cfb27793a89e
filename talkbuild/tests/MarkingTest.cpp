// The heads the tool writes into talk lines and the continuation marking.
#include "Helpers.h"
#include "Messages.h"

#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

// An ordinary talk gets "_..." and, without a number, "*...."; continuation lines get
// "^...^...."; the directive line is left alone.
TEST(Marking, HeadsOfOrdinaryTalksAndContinuations)
{
    Outcome out = convert({QStringLiteral("':*         ひとこと∴"),
                           QStringLiteral("':x   >1500 一"),
                           QStringLiteral("':##########二"),
                           QStringLiteral("':          三∴"),
                           QStringLiteral("':/New=???0")});
    ASSERT_TRUE(out.ok) << out.report.printed.join('\n').toStdString();
    EXPECT_EQ(out.newLines, QStringList({QStringLiteral("':_...*.... ひとこと∴"),
                                         QStringLiteral("':_...>1100 一"),
                                         QStringLiteral("':^...^....#二"),
                                         QStringLiteral("':^...^.... 三∴"),
                                         QStringLiteral("':/New=???0")}));
    EXPECT_EQ(talk(out, 1100), QStringLiteral("一二三∴"));
}

// A talk line shorter than its head is filled out before the head is written.
TEST(Marking, ShortTalkLine)
{
    Outcome out = convert({QStringLiteral("':"), QStringLiteral("':          終わり∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newLines.first(), QStringLiteral("':_...*...."));
    EXPECT_EQ(out.newLines[1], QStringLiteral("':^...^.... 終わり∴"));
}

// A talk that runs into a program line: each such line is reported and kept as it is,
// the marking goes on to the next end mark and the run still writes its files.
TEST(Marking, MissingEndMarkInTheMiddle)
{
    Outcome out = convert({QStringLiteral("':_...>1100 一"),
                           QStringLiteral("    AdviserTalk(1100);"),
                           QStringLiteral("':          二∴"),
                           QStringLiteral("':_...>1101 三∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.report.printed,
              QStringList({msg::kNoEndMark.toString() + QStringLiteral(" 2     AdviserTalk(1100);")}));
    EXPECT_EQ(out.newLines[1], QStringLiteral("    AdviserTalk(1100);"));
    EXPECT_EQ(out.newLines[2], QStringLiteral("':^...^.... 二∴"));
    EXPECT_EQ(out.newLines[3], QStringLiteral("':_...>1101 三∴"));
    EXPECT_EQ(talk(out, 1100), QStringLiteral("一二∴"));
}

// A talk without end mark before the first line of the next talk would swallow that line
// and its number: both lines are reported and the run stops before anything is written.
TEST(Marking, TalkRunningIntoTheNextTalk)
{
    for (const QString& next : {QStringLiteral("':_...>1501 二∴"), QStringLiteral("':_...*.... 二∴"),
                                QStringLiteral("':#001>1501 二∴"), QStringLiteral("':/New=???0")}) {
        Outcome out = convert({QStringLiteral("':_...>1500 一"), next, QStringLiteral("':_...>1502 三∴")});
        EXPECT_FALSE(out.ok) << next.toStdString();
        EXPECT_EQ(out.report.printed,
                  QStringList({msg::kNoEndMark.toString() + QStringLiteral(" 1 ':_...>1500 一"),
                               msg::kNextTalkStarts.toString() + QStringLiteral(" 2 ") + next}));
        EXPECT_FALSE(out.dataWritten);
    }
}

// The last talk without its end mark is reported once, naming its first line, and the
// marking stops at the end of the source.
TEST(Marking, LastTalkWithoutEndMark)
{
    Outcome out = convert({QStringLiteral("':_...>1100 始め∴"),
                           QStringLiteral("':_...>1101 最後"),
                           QStringLiteral("':          まだ続く"),
                           QStringLiteral("}"),
                           QStringLiteral("// end")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.report.printed,
              QStringList({msg::kNoEndMark.toString() + QStringLiteral(" 2 ':_...>1101 最後")}));
    EXPECT_EQ(out.newLines[2], QStringLiteral("':^...^.... まだ続く"));
    EXPECT_EQ(out.newLines[3], QStringLiteral("}"));
    EXPECT_EQ(records(out.data).size(), 3);
}

// A rewritten source gives itself back on a second run: heads, numbers and directives
// are already what the tool would write.
TEST(Marking, SecondRunChangesNothing)
{
    const QStringList source = {QStringLiteral("void f() {"),
                                QStringLiteral("':x         はじめ∴"),
                                QStringLiteral("    AdviserTalk(1500);"),
                                QStringLiteral("':_...>1500 一"),
                                QStringLiteral("':          二∴"),
                                QStringLiteral("':/New=??01"),
                                QStringLiteral("':#007>1600 共有∴"),
                                QStringLiteral("':%007      共有∴"),
                                QStringLiteral("}")};
    Outcome first = convert(source);
    ASSERT_TRUE(first.ok);
    Outcome second = convert(first.newLines);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.newLines, first.newLines);
    EXPECT_EQ(second.data, first.data);
    EXPECT_EQ(second.index, first.index);
    EXPECT_EQ(first.newLines[2], QStringLiteral("    AdviserTalk(1100);"));
    EXPECT_EQ(first.newLines[6], QStringLiteral("':#200>1201 共有∴"));
    EXPECT_EQ(first.newLines[7], QStringLiteral("':%200_1201 共有∴"));
}
