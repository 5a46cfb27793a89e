// The check of shared texts: every "%" reuses an earlier "#" with the same text.
#include "Helpers.h"
#include "Messages.h"

#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

namespace {
// A stop leaves no rewritten source and no data files behind.
void expectStopped(const Outcome& out)
{
    EXPECT_FALSE(out.ok);
    EXPECT_FALSE(out.report.allEnded);
    EXPECT_TRUE(out.newBytes.isEmpty());
    EXPECT_FALSE(out.dataWritten);
}
} // namespace

TEST(RefCheck, NumberDefinedTwice)
{
    Outcome out = convert({QStringLiteral("':#001>1100 a∴"), QStringLiteral("':#001>1101 b∴")});
    expectStopped(out);
    EXPECT_EQ(out.report.printed,
              QStringList({msg::kRefTwice.toString() + QStringLiteral(" ':#001>1101 b∴ >1")}));
}

// A "%" before its "#" counts as not defined.
TEST(RefCheck, NumberNotDefinedEarlier)
{
    Outcome out = convert({QStringLiteral("':%002>1100 a∴"), QStringLiteral("':#002>1101 a∴")});
    expectStopped(out);
    EXPECT_EQ(out.report.printed,
              QStringList({msg::kRefUnknown.toString() + QStringLiteral(" ':%002>1100 a∴ >2")}));
}

TEST(RefCheck, TextsDiffer)
{
    Outcome out = convert({QStringLiteral("':#003>1100 同じ∴"),
                           QStringLiteral("':_...>1101 x∴"),
                           QStringLiteral("':%003>1102 違う∴")});
    expectStopped(out);
    EXPECT_EQ(out.report.printed, QStringList({msg::kRefDiffers.toString() + QStringLiteral(" 3"),
                                               QStringLiteral(" ＃=同じ∴"),
                                               QStringLiteral(" ％=違う∴")}));
}

// The whole talk is compared, continuation lines included: the "%" talk's continuation
// lines are never stored, so a difference there would be lost silently.
TEST(RefCheck, ContinuationTextsDiffer)
{
    Outcome out = convert({QStringLiteral("':#004>1100 一行目"),
                           QStringLiteral("':          二行目∴"),
                           QStringLiteral("':%004>1101 一行目"),
                           QStringLiteral("':          別の二行目∴")});
    expectStopped(out);
    EXPECT_EQ(out.report.printed, QStringList({msg::kRefDiffers.toString() + QStringLiteral(" 3"),
                                               QStringLiteral(" ＃=一行目二行目∴"),
                                               QStringLiteral(" ％=一行目別の二行目∴")}));
}

// A reference number must be three digits from 001.
TEST(RefCheck, UnreadableNumber)
{
    for (const QString& line : {QStringLiteral("':#ab1>1100 a∴"), QStringLiteral("':#000>1100 a∴"),
                                QStringLiteral("':%        x∴")}) {
        Outcome out = convert({line});
        expectStopped(out);
        ASSERT_EQ(out.report.printed.size(), 1);
        EXPECT_TRUE(out.report.printed[0].startsWith(msg::kBadRefNumber.toString()))
            << out.report.printed[0].toStdString();
    }
}
