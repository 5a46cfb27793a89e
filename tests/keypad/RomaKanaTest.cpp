// Romaji typed one key at a time turning into grid kana, and what each key shows.
#include "KeypadTables.h"

#include <gtest/gtest.h>

using keypad::RomaKana;
using keypadtest::RecordingDisplay;
using keypadtest::typeEach;
using keypadtest::typeInto;

namespace {

using Steps = QVector<QPair<QString, QString>>;
const QString Pending = QStringLiteral("　");

class RealTable : public ::testing::Test {
protected:
    void SetUp() override { conv.setTable(keypadtest::realTable()); }

    RecordingDisplay display;
    RomaKana conv{display.recorder()};
};

} // namespace

// The installed table holds the fixed counts, in file order.
TEST_F(RealTable, LoadsTheFixedCountsInFileOrder)
{
    const keypad::RomaKanaTable& t = conv.table();
    ASSERT_EQ(t.doubling.size(), 17);
    ASSERT_EQ(t.one.size(), 6);
    ASSERT_EQ(t.two.size(), 97);
    ASSERT_EQ(t.three.size(), 122);
    EXPECT_EQ(t.doubling.first(), QStringLiteral("B"));
    EXPECT_EQ(t.doubling.last(), QStringLiteral("Z"));
    EXPECT_EQ(t.one.first().key, QStringLiteral("A"));
    EXPECT_EQ(t.one.last().key, QStringLiteral("-"));
    EXPECT_EQ(t.two.first().key, QStringLiteral("KA"));
    EXPECT_EQ(t.three.last().key, QStringLiteral("LWA"));
    EXPECT_EQ(t.three.last().display, QStringLiteral("ヮ"));
    EXPECT_EQ(t.three.last().grid, QStringLiteral("ワ"));
}

// A vowel is a one-letter key: its kana comes at once and nothing stays buffered.
TEST_F(RealTable, VowelCompletesAtOnce)
{
    EXPECT_EQ(conv.RomaKanaConvWChr(QLatin1Char('A')), QStringLiteral("ア"));
    EXPECT_TRUE(conv.keyBuff().isEmpty());
    EXPECT_EQ(display.steps, (Steps{{"A", "ア"}}));
    EXPECT_EQ(conv.RomaKanaConvWChr(QLatin1Char('-')), QStringLiteral("ー"));
}

// K K A: the doubled K gives ツ and keeps one K, which then makes カ with the A.
TEST_F(RealTable, DoubledConsonantGivesTsuAndKeepsOneLetter)
{
    EXPECT_EQ(typeEach(conv, "KKA"), (QStringList{"", "ツ", "カ"}));
    EXPECT_EQ(display.steps, (Steps{{"K", Pending}, {"K", "ッ" + Pending}, {"A", "カ"}}));
    EXPECT_TRUE(conv.keyBuff().isEmpty());

    conv.RomaKanaConvWChr(QLatin1Char('T'));
    EXPECT_EQ(conv.RomaKanaConvWChr(QLatin1Char('T')), QStringLiteral("ツ"));
    EXPECT_EQ(conv.keyBuff(), QStringLiteral("T"));
}

// K Y A: a contracted sound, small ャ on the keypad, full-size ヤ in the grid.
TEST_F(RealTable, ThreeLetterKeyGivesGridForm)
{
    EXPECT_EQ(typeEach(conv, "KYA"), (QStringList{"", "", "キヤ"}));
    EXPECT_EQ(display.steps.last(), (QPair<QString, QString>{"A", "キャ"}));
    EXPECT_EQ(typeInto(conv, "SHI"), QStringLiteral("シ"));
    EXPECT_EQ(typeInto(conv, "TSU"), QStringLiteral("ツ"));
    EXPECT_EQ(typeInto(conv, "XTU"), QStringLiteral("ツ"));
    EXPECT_EQ(display.steps.last().second, QStringLiteral("ッ"));
}

// Three letters that match no key are dropped with "…？"; the next key starts afresh.
TEST_F(RealTable, UnknownThreeLettersAreDropped)
{
    EXPECT_EQ(typeEach(conv, "KX"), (QStringList{"", ""}));
    EXPECT_EQ(conv.keyBuff(), QStringLiteral("KX"));
    EXPECT_EQ(conv.RomaKanaConvWChr(QLatin1Char('A')), QString());
    EXPECT_EQ(display.steps.last(), (QPair<QString, QString>{"A", "…？"}));
    EXPECT_TRUE(conv.keyBuff().isEmpty());
    EXPECT_EQ(typeInto(conv, "KA"), QStringLiteral("カ"));
}

// A doubled letter outside the doubling letters stays buffered as two letters.
TEST_F(RealTable, DoubledNonDoublingLetterStaysBuffered)
{
    EXPECT_EQ(typeInto(conv, "LL"), QString());
    EXPECT_EQ(conv.keyBuff(), QStringLiteral("LL"));
    EXPECT_EQ(display.steps.last().second, Pending);
    EXPECT_EQ(typeInto(conv, "A"), QString());
    EXPECT_EQ(display.steps.last().second, QStringLiteral("…？"));
}

// N before another consonant is ン, shown under the N, and the consonant starts the next
// syllable; before Y, a vowel or another N it stays as the table has it.
TEST_F(RealTable, NBeforeConsonantIsSyllabicN)
{
    EXPECT_EQ(typeEach(conv, "KANDA"), (QStringList{"", "カ", "", "ン", "ダ"}));
    EXPECT_EQ(display.steps[3], (QPair<QString, QString>{"D", "ン" + Pending}));
    EXPECT_TRUE(conv.keyBuff().isEmpty());

    EXPECT_EQ(typeInto(conv, "NYA"), QStringLiteral("ニヤ"));
    EXPECT_EQ(typeInto(conv, "NN"), QStringLiteral("ン"));
    EXPECT_EQ(typeInto(conv, "NA"), QStringLiteral("ナ"));
    EXPECT_EQ(typeInto(conv, "DENSHA"), QStringLiteral("デンシヤ"));
    EXPECT_EQ(typeInto(conv, "KANWA"), QStringLiteral("カンワ"));

    // "-" is no consonant: N- stays pending and a third letter fails.
    EXPECT_EQ(typeInto(conv, "N-"), QString());
    EXPECT_EQ(conv.keyBuff(), QStringLiteral("N-"));
}

// Real words come out as crossword kana.
TEST_F(RealTable, TypesRealWords)
{
    const std::pair<const char*, const char*> words[] = {
        {"SHINBUNN", "シンブン"},     {"KITTE", "キツテ"},           {"RYOKOU", "リヨコウ"},
        {"CHOKORE-TO", "チヨコレート"}, {"KONPYU-TA-", "コンピユーター"}, {"INTA-NETTO", "インターネツト"},
        {"MACCHA", "マツチヤ"},       {"TENPURA", "テンプラ"},       {"KONNNICHIHA", "コンニチハ"},
        {"FAKKUSU", "フアツクス"},    {"JOGINGU", "ジヨギング"},     {"VAIORINN", "ヴアイオリン"},
        {"THI-SHATSU", "テイーシヤツ"}, {"SANPO", "サンポ"},          {"GYUUNYUU", "ギユウニユウ"},
    };
    for (const auto& [romaji, kana] : words) {
        conv.clearKeyBuff();
        EXPECT_EQ(typeInto(conv, QString::fromUtf8(romaji)), QString::fromUtf8(kana)) << romaji;
        EXPECT_TRUE(conv.keyBuff().isEmpty()) << romaji;
    }
    // A word that ends in a single N leaves it waiting for the next key.
    conv.clearKeyBuff();
    EXPECT_EQ(typeInto(conv, "SHINBUN"), QStringLiteral("シンブ"));
    EXPECT_EQ(conv.keyBuff(), QStringLiteral("N"));
}

// Every key shows exactly one display step.
TEST_F(RealTable, EveryKeyShowsOneStep)
{
    const QString text = QStringLiteral("KYOUHAIITENKIDESUNE-XYZZYKKKNNNQQQ");
    typeInto(conv, text);
    ASSERT_EQ(display.steps.size(), text.size());
    for (int i = 0; i < text.size(); ++i)
        EXPECT_EQ(display.steps[i].first, QString(text[i])) << i;
}

// The worked example: a table with KA, KYA and K as a doubling letter.
TEST(RomaKanaSmallTable, WorkedExample)
{
    RomaKana conv;
    conv.setTable(keypadtest::smallTable({"K"}, {"KA=カ/カ", "KYA=キャ/キヤ"}));
    EXPECT_EQ(typeEach(conv, "KKA"), (QStringList{"", "ツ", "カ"}));
    EXPECT_EQ(typeEach(conv, "KYA"), (QStringList{"", "", "キヤ"}));
}

// A table entry wins over the doubling rule, and the first of two equal keys wins.
TEST(RomaKanaSmallTable, TableEntryWinsAndFirstKeyWins)
{
    RomaKana conv;
    conv.setTable(keypadtest::smallTable({"K", "N"}, {"KK=ック/ツク", "KA=カ/カ", "KA=ガ/ガ", "NK=ンク/ンク"}));
    EXPECT_EQ(typeInto(conv, "KK"), QStringLiteral("ツク"));
    EXPECT_TRUE(conv.keyBuff().isEmpty());
    EXPECT_EQ(typeInto(conv, "KA"), QStringLiteral("カ"));
    // NK is a key here, so the N rule does not apply.
    EXPECT_EQ(typeInto(conv, "NK"), QStringLiteral("ンク"));
}

// Without a one-letter key "-" the minus waits like a consonant.
TEST(RomaKanaSmallTable, MinusWithoutKeyStaysBuffered)
{
    RomaKana conv;
    conv.setTable(keypadtest::smallTable({"K"}, {"A=ア/ア"}));
    EXPECT_EQ(typeInto(conv, "-"), QString());
    EXPECT_EQ(conv.keyBuff(), QStringLiteral("-"));
}

// With no table kana entry is off: nothing converts and nothing is shown, not even the
// N rule.
TEST(RomaKanaSmallTable, NoTableConvertsNothing)
{
    RecordingDisplay display;
    RomaKana conv(display.recorder());
    EXPECT_EQ(typeInto(conv, "NKAA"), QString());
    EXPECT_TRUE(display.steps.isEmpty());
    EXPECT_TRUE(conv.keyBuff().isEmpty());
}
