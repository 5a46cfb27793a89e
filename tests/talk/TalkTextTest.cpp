// The window-free parts of talk interpretation.
#include "talk/TalkText.h"

#include <gtest/gtest.h>

using namespace talk;

namespace {
NameList sampleNames()
{
    NameList names;
    for (int k = 0; k <= 10; ++k)
        names[std::size_t(k)] = QStringLiteral("名%1").arg(k);
    return names;
}

QString expanded(const QString& text, const NameList& names, int answer)
{
    QString out, error;
    EXPECT_TRUE(expandPlaceholders(text, names, answer, out, error)) << error.toStdString();
    return out;
}
} // namespace

TEST(Placeholders, EachSymbolStandsForItsName)
{
    const NameList names = sampleNames();
    EXPECT_EQ(expanded(QStringLiteral("◎と①と⑩"), names, 0), QStringLiteral("名0と名1と名10"));
    EXPECT_EQ(expanded(QStringLiteral("②③④⑤⑥⑦⑧⑨"), names, 0), QStringLiteral("名2名3名4名5名6名7名8名9"));
    // "㊥" is the name chosen by the last answer; an answer outside the names is empty.
    EXPECT_EQ(expanded(QStringLiteral("㊥です"), names, 3), QStringLiteral("名3です"));
    EXPECT_EQ(expanded(QStringLiteral("㊥です"), names, 12), QStringLiteral("です"));
    EXPECT_EQ(expanded(QStringLiteral("㊥です"), names, -1), QStringLiteral("です"));
    EXPECT_EQ(expanded(QString(), names, 0), QString());
}

TEST(Placeholders, NamesAreReplacedInOrderInTheWorkingText)
{
    // A name may hold a later symbol: it is replaced in turn, as the text is worked on.
    NameList names = sampleNames();
    names[0] = QStringLiteral("①さん");
    EXPECT_EQ(expanded(QStringLiteral("◎"), names, 0), QStringLiteral("名1さん"));
}

TEST(Placeholders, ASymbolTwiceIsADataError)
{
    QString out = QStringLiteral("untouched"), error;
    EXPECT_FALSE(expandPlaceholders(QStringLiteral("①と①"), sampleNames(), 0, out, error));
    EXPECT_TRUE(error.contains(QStringLiteral("①"))) << error.toStdString();
    EXPECT_EQ(out, QStringLiteral("untouched"));
    EXPECT_FALSE(expandPlaceholders(QStringLiteral("㊥㊥"), sampleNames(), 0, out, error));
}

TEST(TalkNamesList, EmptyPiecesKeepTheirEntry)
{
    NameList names = sampleNames();
    QString error;
    ASSERT_TRUE(applyTalkNames(QStringLiteral("●姉●兄"), names, error));
    EXPECT_EQ(names[0], QStringLiteral("名0"));
    EXPECT_EQ(names[1], QStringLiteral("姉"));
    EXPECT_EQ(names[2], QStringLiteral("兄"));
    EXPECT_EQ(names[3], QStringLiteral("名3"));
    ASSERT_TRUE(applyTalkNames(QStringLiteral("甲●●丙"), names, error));
    EXPECT_EQ(names[0], QStringLiteral("甲"));
    EXPECT_EQ(names[1], QStringLiteral("姉")) << "the empty second piece keeps entry 1";
    EXPECT_EQ(names[2], QStringLiteral("丙"));
}

TEST(TalkNamesList, MoreThanElevenNamesIsADataErrorAndChangesNothing)
{
    NameList names = sampleNames();
    QString error;
    ASSERT_TRUE(applyTalkNames(QStringLiteral("0●1●2●3●4●5●6●7●8●9●10"), names, error));
    EXPECT_EQ(names[10], QStringLiteral("10"));
    names = sampleNames();
    EXPECT_FALSE(applyTalkNames(QStringLiteral("0●1●2●3●4●5●6●7●8●9●10●11"), names, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(names[0], QStringLiteral("名0"));
}

TEST(MenuList, SplitsAtTheSlash)
{
    EXPECT_EQ(splitMenu(QStringLiteral("はい／いいえ")), (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
    EXPECT_EQ(splitMenu(QString()), QStringList{QString()});
    EXPECT_EQ(splitMenu(QStringLiteral("a／")).size(), 2);
}

TEST(WaitMarks, KindsAndTimedForms)
{
    EXPECT_EQ(waitKindOf(QChar(u'▼')), 1);
    EXPECT_EQ(waitKindOf(QChar(u'◆')), 2);
    EXPECT_EQ(waitKindOf(QChar(u'★')), 3);
    EXPECT_EQ(waitKindOf(QChar(u'▽')), -1);
    EXPECT_EQ(waitKindOf(QChar(u'◇')), -2);
    EXPECT_EQ(waitKindOf(QChar(u'☆')), -3);
    EXPECT_EQ(waitKindOf(QChar(u'あ')), 0);
}

TEST(FullWidth, AsciiSpaceAndHalfWidthKana)
{
    EXPECT_EQ(toFullWidth(QStringLiteral("12")), QStringLiteral("１２"));
    EXPECT_EQ(toFullWidth(QStringLiteral("Ab z!~")), QStringLiteral("Ａｂ　ｚ！～"));
    EXPECT_EQ(toFullWidth(QStringLiteral("ｶﾞｯｺｳ")), QStringLiteral("ガッコウ"));
    EXPECT_EQ(toFullWidth(QStringLiteral("ﾊﾟﾋﾞｳﾞ")), QStringLiteral("パビヴ"));
    // Marks that cannot join stay marks of their own.
    EXPECT_EQ(toFullWidth(QStringLiteral("ｱﾞｯﾟ")), QStringLiteral("ア゛ッ゜"));
    EXPECT_EQ(toFullWidth(QStringLiteral("｢ｦ｣､｡･ｰ")), QStringLiteral("「ヲ」、。・ー"));
    EXPECT_EQ(toFullWidth(QStringLiteral("名前ａ")), QStringLiteral("名前ａ"));
}

TEST(TypedNumber, OnlyTheCanonicalFormOfUpToSevenCharactersCounts)
{
    EXPECT_EQ(typedNumber(QStringLiteral("１２")), 12);
    EXPECT_EQ(typedNumber(QStringLiteral("０１２")), 0) << "not the canonical form of 12";
    EXPECT_EQ(typedNumber(QStringLiteral("１２３４５６７")), 1234567);
    EXPECT_EQ(typedNumber(QStringLiteral("１２３４５６７８")), 0) << "eight characters";
    EXPECT_EQ(typedNumber(QStringLiteral("ねこ")), 0);
    EXPECT_EQ(typedNumber(QStringLiteral("１２ａ")), 0);
    EXPECT_EQ(typedNumber(QStringLiteral("－５")), -5);
    EXPECT_EQ(typedNumber(QStringLiteral("＋５")), 0);
    EXPECT_EQ(typedNumber(QStringLiteral("　５")), 0);
    EXPECT_EQ(typedNumber(QStringLiteral("１ｅ３")), 0);
    EXPECT_EQ(typedNumber(QStringLiteral("ｉｎｆ")), 0);
    EXPECT_EQ(typedNumber(QString()), 0);
    // Fractions are rounded half to even.
    EXPECT_EQ(typedNumber(QStringLiteral("２．５")), 2);
    EXPECT_EQ(typedNumber(QStringLiteral("３．５")), 4);
    EXPECT_EQ(typedNumber(QStringLiteral("１．２５")), 1);
    EXPECT_EQ(typedNumber(QStringLiteral("．５")), 0) << "canonical form is 0.5";
}
