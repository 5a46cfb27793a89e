// The limits of the tool's tables stop it with a message instead of overrunning them.
#include "Helpers.h"
#include "Messages.h"

#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

TEST(Limits, AtMost15000Lines)
{
    QStringList lines(14999, QStringLiteral("int x;"));
    lines.prepend(QStringLiteral("':_...>1500 a∴"));
    Outcome fits = convert(lines);
    EXPECT_TRUE(fits.ok);
    EXPECT_EQ(fits.newLines.size(), 15000);

    lines.append(QStringLiteral("int y;"));
    Outcome over = convert(lines);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.report.printed, QStringList({msg::kTooManyLines.toString() + QStringLiteral("15001")}));
    EXPECT_TRUE(over.newBytes.isEmpty());
    EXPECT_FALSE(over.dataWritten);
}

// The last talk may take 9999; a talk that would need 10000 stops the run.
TEST(Limits, TalkNumbersUpTo9999)
{
    Options options;
    options.talkStart = QStringLiteral("5999");
    // Forty directives lead from 5999 to 9900; then talks 9900 to 9999.
    QStringList lines(40, QStringLiteral("':/New=??00"));
    for (int i = 0; i < 100; ++i)
        lines.append(QStringLiteral("':_...>1500 b∴"));
    Outcome fits = convert(lines, options);
    ASSERT_TRUE(fits.ok) << fits.report.printed.join('\n').toStdString();
    EXPECT_EQ(fits.index.size(), 9999 * 4);
    EXPECT_EQ(indexRecord(fits.index, 9900), 1);

    lines.append(QStringLiteral("':_...>1502 c∴"));
    Outcome over = convert(lines, options);
    EXPECT_FALSE(over.ok);
    ASSERT_EQ(over.report.printed.size(), 1);
    EXPECT_EQ(over.report.printed[0], msg::kTalkOverLimit.toString() + QStringLiteral("10000 141"));
    EXPECT_FALSE(over.dataWritten);
}

// From a reference start of 599, the 401st shared text takes 999 and the 402nd stops.
TEST(Limits, ReferenceNumbersUpTo999)
{
    Options options;
    options.refStart = QStringLiteral("599");
    QStringList lines;
    for (int n = 1; n <= 401; ++n)
        lines.append(QStringLiteral("':#%1 .... t%1∴").arg(n, 3, 10, QLatin1Char('0')));
    Outcome fits = convert(lines, options);
    ASSERT_TRUE(fits.ok) << fits.report.printed.join('\n').toStdString();
    EXPECT_EQ(fits.newLines.last(), QStringLiteral("':#999 .... t401∴"));

    lines.append(QStringLiteral("':#402 .... t402∴"));
    Outcome over = convert(lines, options);
    EXPECT_FALSE(over.ok);
    ASSERT_EQ(over.report.printed.size(), 1);
    EXPECT_TRUE(over.report.printed[0].startsWith(msg::kRefOverLimit.toString() + QStringLiteral("1000 ")));
    EXPECT_FALSE(over.dataWritten);
}
