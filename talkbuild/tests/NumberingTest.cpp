// Renumbering: new talk and reference numbers, rounding directives, and the talk numbers
// in program statements.
#include "Helpers.h"
#include "Messages.h"

#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

namespace {
// The talk numbers in columns 8-11 of the rewritten talk lines that carry ">".
QStringList numbers(const Outcome& out)
{
    QStringList found;
    for (const QString& line : out.newLines)
        if (line.startsWith(QLatin1String("':")) && line.mid(6, 1) == QLatin1String(">"))
            found.append(line.mid(7, 4));
    return found;
}

QStringList withDirective(const QString& pattern)
{
    return {QStringLiteral("':_...>1500 a∴"), QStringLiteral("':_...>1501 b∴"),
            QStringLiteral("':/New=") + pattern, QStringLiteral("':_...>1502 c∴")};
}
} // namespace

// 1100 and 1101, then a directive: "???0" gives 1110, "???1" 1111, "??00" 1200, "??01" 1201.
TEST(Numbering, RoundingDirectives)
{
    const std::pair<const char*, const char*> cases[] = {
        {"???0", "1110"}, {"???1", "1111"}, {"??00", "1200"}, {"??01", "1201"}, {"?0?0", "1102"}};
    for (const auto& [pattern, third] : cases) {
        Outcome out = convert(withDirective(QLatin1String(pattern)));
        ASSERT_TRUE(out.ok) << pattern;
        EXPECT_EQ(numbers(out), QStringList({QStringLiteral("1100"), QStringLiteral("1101"),
                                             QLatin1String(third)}))
            << pattern;
        EXPECT_EQ(out.newLines[2], QStringLiteral("':/New=") + QLatin1String(pattern));
    }
}

// A directive on a number that is already round still moves on to the next ten.
TEST(Numbering, DirectivesInARow)
{
    Outcome out = convert({QStringLiteral("':/New=??00"), QStringLiteral("':/New=???1"),
                           QStringLiteral("':_...>1500 a∴"), QStringLiteral("':/New=???0"),
                           QStringLiteral("':/New=???0"), QStringLiteral("':_...>1501 b∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(numbers(out), QStringList({QStringLiteral("1211"), QStringLiteral("1230")}));
}

TEST(Numbering, RoundingOffIgnoresDirectives)
{
    Options options;
    options.round = false;
    for (const char* pattern : {"???0", "??01"}) {
        Outcome out = convert(withDirective(QLatin1String(pattern)), options);
        ASSERT_TRUE(out.ok);
        EXPECT_EQ(numbers(out), QStringList({QStringLiteral("1100"), QStringLiteral("1101"),
                                             QStringLiteral("1102")}));
    }
}

// Reference numbers count from the reference start in file order; "%" lines take the
// new number of their "#" line and, without ">", its talk number after "_".
TEST(Numbering, ReferenceNumbers)
{
    Options options;
    options.refStart = QStringLiteral("350");
    Outcome out = convert({QStringLiteral("':#042>1500 x∴"), QStringLiteral("':#007 .... y∴"),
                           QStringLiteral("':%042      x∴"), QStringLiteral("':%007>1600 y∴"),
                           QStringLiteral("':%007      y∴")},
                          options);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newLines, QStringList({QStringLiteral("':#350>1100 x∴"),
                                         QStringLiteral("':#351 .... y∴"),
                                         QStringLiteral("':%350_1100 x∴"),
                                         QStringLiteral("':%351>1101 y∴"),
                                         QStringLiteral("':%351_.... y∴")}));
}

// Statements get the new numbers; a sum is recognised with the number first.
TEST(Numbering, StatementsTakeTheNewNumbers)
{
    Outcome out = convert({QStringLiteral("':_...>1500 a∴"),
                           QStringLiteral("    AdviserTalk(1500);"),
                           QStringLiteral("':_...>1501 b∴"),
                           QStringLiteral("    AdviserTalk(1430 + Adviser);"),
                           QStringLiteral("    AdviserTalk(Adviser + 1430);"),
                           QStringLiteral("':_...>1430 c∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newLines[1], QStringLiteral("    AdviserTalk(1100);"));
    EXPECT_EQ(out.newLines[3], QStringLiteral("    AdviserTalk(1102 + Adviser);"));
    EXPECT_EQ(out.newLines[4], QStringLiteral("    AdviserTalk(Adviser + 1430);"));
}

// Talks may share a provisional number that no statement uses; a statement that uses it
// could mean any of them and stops the run before anything is written.
TEST(Numbering, TalkNumberThatTwoTalksCarry)
{
    const QStringList talks = {QStringLiteral("':_...>1000 a∴"), QStringLiteral("':_...>1000 b∴")};
    Outcome unused = convert(talks);
    ASSERT_TRUE(unused.ok) << unused.report.printed.join('\n').toStdString();
    EXPECT_EQ(talk(unused, 1101), QStringLiteral("b∴"));

    Outcome used = convert({talks[0], QStringLiteral("    AdviserTalk(1000);"), talks[1]});
    EXPECT_FALSE(used.ok);
    EXPECT_EQ(used.report.printed,
              QStringList({msg::kTalkNumberTwice.toString() + QStringLiteral(" 2 >1000 1 3")}));
    EXPECT_FALSE(used.dataWritten);
    EXPECT_TRUE(used.newBytes.isEmpty());
}

// Only the lines from the first to the last talk line are searched.
TEST(Numbering, StatementsOutsideTheTalkLines)
{
    Outcome out = convert({QStringLiteral("    AdviserTalk(1500);"),
                           QStringLiteral("':_...>1500 a∴"),
                           QStringLiteral("    AdviserTalk(1500);"),
                           QStringLiteral("':_...>1501 b∴"),
                           QStringLiteral("    AdviserTalk(1501);")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newLines[0], QStringLiteral("    AdviserTalk(1500);"));
    EXPECT_EQ(out.newLines[2], QStringLiteral("    AdviserTalk(1100);"));
    EXPECT_EQ(out.newLines[4], QStringLiteral("    AdviserTalk(1501);"));
}

// Comments are not searched: an apostrophe after column 13 or a "//" cuts the line, an
// apostrophe within the first 13 columns skips it.
TEST(Numbering, CommentsAreNotSearched)
{
    Outcome out = convert({QStringLiteral("':_...>1500 a∴"),
                           QStringLiteral("    AdviserTalk(1500); ' Talk 1501"),
                           QStringLiteral("    AdviserTalk(1500); // Talk 1501"),
                           QStringLiteral("    // AdviserTalk(1501);"),
                           QStringLiteral("    ' Talk 1501"),
                           QStringLiteral("  x = 1 ' AdviserTalk(1501);"),
                           QStringLiteral("':_...>1501 b∴")});
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newLines.mid(1, 5),
              QStringList({QStringLiteral("    AdviserTalk(1100); ' Talk 1501"),
                           QStringLiteral("    AdviserTalk(1100); // Talk 1501"),
                           QStringLiteral("    // AdviserTalk(1501);"),
                           QStringLiteral("    ' Talk 1501"),
                           QStringLiteral("  x = 1 ' AdviserTalk(1501);")}));
}

// A C++ source (UTF-8, or a C++ file name): an apostrophe opens a character literal, not a
// comment, and "//" cuts the line only outside string and character literals.
TEST(Numbering, CppStatementLines)
{
    const QStringList source = {QStringLiteral("':_...>1500 Talk 1501∴"),
                                QStringLiteral("    if (c == '.') AdviserTalk(1500);"),
                                QStringLiteral("    Say(\"a//b\"); AdviserTalk(1500); // x"),
                                QStringLiteral("    c = '/'; // AdviserTalk(1501);"),
                                QStringLiteral("':_...>1501 b∴")};
    Options utf8;
    utf8.encoding = Encoding::Utf8;
    Options cppName;
    cppName.sourceName = QStringLiteral("Story.cpp");
    QStringList expected = source.mid(0, 4);
    expected.replaceInStrings(QStringLiteral("1500"), QStringLiteral("1100"));
    for (const Options& options : {utf8, cppName}) {
        Outcome out = convert(source, options);
        ASSERT_TRUE(out.ok) << out.report.printed.join('\n').toStdString();
        EXPECT_EQ(out.newLines.mid(0, 4), expected) << options.sourceName.toStdString();
    }
}

// The keys, in their order: the statement forms of the original script and the C++ calls.
TEST(Numbering, Keys)
{
    Outcome out = convert({QStringLiteral("':_...>1500 a∴"),
                           QStringLiteral("    AdviserTalk 1500"),
                           QStringLiteral("    TalkNumber_Base = 1500"),
                           QStringLiteral("    ChangeGalFaceWithTalk 1500, \"+1\""),
                           QStringLiteral("    FlyingTalkBox 1500"),
                           QStringLiteral("    ChangeGalFaceWithTalk(1500, \"-1\");"),
                           QStringLiteral("    FlyingTalkBox(1500);"),
                           QStringLiteral("    AdviserTalk(x); AdviserTalk(1500);"),
                           QStringLiteral("    talk(1500); SetTalkWaitTime(1500);"),
                           QStringLiteral("    AdviserTalk(999); AdviserTalk(15000);"),
                           QStringLiteral("':_...>1501 b∴")});
    ASSERT_TRUE(out.ok) << out.report.printed.join('\n').toStdString();
    EXPECT_EQ(out.newLines.mid(1, 9),
              QStringList({QStringLiteral("    AdviserTalk 1100"),
                           QStringLiteral("    TalkNumber_Base = 1100"),
                           QStringLiteral("    ChangeGalFaceWithTalk 1100, \"+1\""),
                           QStringLiteral("    FlyingTalkBox 1100"),
                           QStringLiteral("    ChangeGalFaceWithTalk(1100, \"-1\");"),
                           QStringLiteral("    FlyingTalkBox(1100);"),
                           QStringLiteral("    AdviserTalk(x); AdviserTalk(1500);"),
                           QStringLiteral("    talk(1500); SetTalkWaitTime(1500);"),
                           QStringLiteral("    AdviserTalk(999); AdviserTalk(15000);")}));
}

// A statement whose number no talk line defines stops the run before anything is written.
TEST(Numbering, UndefinedTalkNumber)
{
    Outcome out = convert({QStringLiteral("':_...>1500 a∴"),
                           QStringLiteral("    AdviserTalk(1999);"),
                           QStringLiteral("    AdviserTalk(1500);"),
                           QStringLiteral("    AdviserTalk(1998);"),
                           QStringLiteral("':_...>1501 b∴")});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.report.printed,
              QStringList({msg::kUndefinedTalk.toString() + QStringLiteral(" 2 >1999"),
                           msg::kUndefinedTalk.toString() + QStringLiteral(" 4 >1998")}));
    EXPECT_TRUE(out.newBytes.isEmpty());
    EXPECT_FALSE(out.dataWritten);
}

// A talk number after ">" must be four digits.
TEST(Numbering, UnreadableTalkNumber)
{
    for (const QString& line : {QStringLiteral("':_...>12a4 a∴"), QStringLiteral("':_...>0000 a∴"),
                                QStringLiteral("':_...>12∴")}) {
        Outcome out = convert({line});
        EXPECT_FALSE(out.ok);
        ASSERT_EQ(out.report.printed.size(), 1) << line.toStdString();
        EXPECT_TRUE(out.report.printed[0].startsWith(msg::kBadTalkNumber.toString()));
        EXPECT_FALSE(out.dataWritten);
    }
}
