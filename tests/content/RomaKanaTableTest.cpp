// The romaji table that the build converts into the program folder.
#include <gtest/gtest.h>

#include <QSet>

#include "ContentFiles.h"
#include "form/Cp932.h"

using namespace content;

namespace {

const QString TablePath = QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt");

RomaKanaTable loadTable()
{
    bool ok = false;
    const QString text = form::fromCp932(programFile(TablePath), &ok);
    EXPECT_TRUE(ok);
    RomaKanaTable table;
    QString error;
    EXPECT_TRUE(parseRomaKanaTable(text, &table, &error)) << error.toStdString();
    return table;
}

QStringList keysOf(const QVector<RomaKanaEntry>& entries)
{
    QStringList keys;
    for (const RomaKanaEntry& e : entries)
        keys << e.key;
    return keys;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// The conversion as the keypad runs it (one, two and three letters, the doubling rule,
// a failed three-letter key dropped), returning what reaches the grid.
QString typeLetters(const RomaKanaTable& t, const QString& letters)
{
    auto find = [](const QVector<RomaKanaEntry>& entries, const QString& key) -> const RomaKanaEntry* {
        for (const RomaKanaEntry& e : entries)
            if (e.key == key)
                return &e;
        return nullptr;
    };
    QString buffer, grid;
    for (QChar c : letters) {
        const QString s = buffer + c;
        const RomaKanaEntry* hit = find(s.size() == 1 ? t.one : s.size() == 2 ? t.two : t.three, s);
        if (hit) {
            grid += hit->grid;
            buffer.clear();
        } else if (s.size() == 2 && buffer == QString(c) && t.doubling.contains(QString(c))) {
            grid += QStringLiteral("ツ");
        } else {
            buffer = s.size() == 3 ? QString() : s;
        }
    }
    return grid;
}

} // namespace

// The build converts the table into CP932 with CR LF line ends, and it decodes cleanly.
TEST(RomaKanaTable, IsCp932WithCrLfLineEnds)
{
    const QByteArray bytes = programFile(TablePath);
    ASSERT_FALSE(bytes.isEmpty()) << "missing " << TablePath.toStdString();
    EXPECT_TRUE(allLinesEndInCrLf(bytes));
    bool decoded = false, encoded = false;
    const QString text = form::fromCp932(bytes, &decoded);
    EXPECT_TRUE(decoded);
    EXPECT_EQ(form::toCp932(text, &encoded), bytes);
    EXPECT_TRUE(encoded);
}

// The reader takes fixed counts, so the file holds exactly 17, 6, 97 and 122 entries.
TEST(RomaKanaTable, HoldsTheFixedCountsAndNothingAfter)
{
    const RomaKanaTable t = loadTable();
    EXPECT_EQ(t.doubling.size(), 17);
    EXPECT_EQ(t.one.size(), 6);
    EXPECT_EQ(t.two.size(), 97);
    EXPECT_EQ(t.three.size(), 122);
}

// The agreed key lists, section by section.
TEST(RomaKanaTable, HoldsTheAgreedKeys)
{
    const RomaKanaTable t = loadTable();
    EXPECT_EQ(t.doubling.join(QString()), QStringLiteral("BCDFGHJKMPRSTVWYZ"));
    EXPECT_EQ(keysOf(t.one), (QStringList{"A", "I", "U", "E", "O", "-"}));

    const QString vowels = QStringLiteral("AIUEO");
    QStringList two;
    for (QChar row : QStringLiteral("KGSZTDNHBPMRYWFJVXL"))
        for (QChar v : vowels)
            two << QString(row) + v;
    two << "NN" << "XN";
    EXPECT_EQ(sorted(keysOf(t.two)), sorted(two));

    QStringList three;
    for (const char* head : {"KY", "GY", "SY", "ZY", "TY", "DY", "NY", "HY", "BY", "PY", "MY", "RY", "SH", "CH", "TS",
                             "JY", "CY", "TH", "DH", "WH"})
        for (QChar v : vowels)
            three << QLatin1String(head) + v;
    three << QStringList{"FYA", "FYU", "FYO", "VYA", "VYI", "VYU", "VYE", "VYO", "KWA", "GWA", "TWU", "DWU"}
          << QStringList{"XTU", "LTU", "XYA", "XYU", "XYO", "LYA", "LYU", "LYO", "XWA", "LWA"};
    EXPECT_EQ(sorted(keysOf(t.three)), sorted(three));
}

// A later duplicate would never match: every key and doubling letter appears once.
TEST(RomaKanaTable, ListsNoKeyTwice)
{
    const RomaKanaTable t = loadTable();
    QStringList all = t.doubling;
    all << keysOf(t.one) << keysOf(t.two) << keysOf(t.three);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
}

// Every key can be reached in the keypad's search order: a shorter key never eats the
// start of a longer one, a doubled doubling letter never starts a three-letter key, and
// no three-letter key starts with N before a consonant (which the keypad turns into ン).
TEST(RomaKanaTable, EveryKeyCanBeTyped)
{
    const RomaKanaTable t = loadTable();
    const QStringList one = keysOf(t.one), two = keysOf(t.two);
    for (const QString& key : two)
        EXPECT_FALSE(one.contains(key.left(1))) << key.toStdString();
    for (const QString& key : keysOf(t.three)) {
        EXPECT_FALSE(one.contains(key.left(1))) << key.toStdString();
        EXPECT_FALSE(two.contains(key.left(2))) << key.toStdString();
        EXPECT_FALSE(key[0] == key[1] && t.doubling.contains(key.left(1))) << key.toStdString();
        EXPECT_FALSE(key[0] == QLatin1Char('N') && !QStringLiteral("AIUEONY").contains(key[1])) << key.toStdString();
    }
    for (const QString& letter : t.doubling)
        EXPECT_FALSE(two.contains(letter + letter)) << letter.toStdString();
}

// The grid form is the display form with small kana written full size; both are katakana
// (and ー), and every text has a CP932 form.
TEST(RomaKanaTable, GridFormIsTheDisplayFormFullSize)
{
    const RomaKanaTable t = loadTable();
    const QString small = QStringLiteral("ァィゥェォッャュョヮ");
    for (const auto* section : {&t.one, &t.two, &t.three})
        for (const RomaKanaEntry& e : *section) {
            EXPECT_EQ(e.grid, gridForm(e.display)) << e.key.toStdString();
            for (QChar c : e.display)
                EXPECT_TRUE((c.unicode() >= 0x30A1 && c.unicode() <= 0x30F4) || c == QChar(0x30FC)) << e.key.toStdString();
            for (QChar c : e.grid)
                EXPECT_FALSE(small.contains(c)) << e.key.toStdString();
            for (const QString& text : {e.key, e.display, e.grid}) {
                bool ok = false;
                form::toCp932(text, &ok);
                EXPECT_TRUE(ok) << text.toStdString();
            }
        }
    auto entry = [&](const QString& key) {
        for (const auto* section : {&t.one, &t.two, &t.three})
            for (const RomaKanaEntry& e : *section)
                if (e.key == key)
                    return e.display + QLatin1Char('/') + e.grid;
        return QString();
    };
    EXPECT_EQ(entry("KYA"), QStringLiteral("キャ/キヤ"));
    EXPECT_EQ(entry("XTU"), QStringLiteral("ッ/ツ"));
    EXPECT_EQ(entry("LWA"), QStringLiteral("ヮ/ワ"));
    EXPECT_EQ(entry("VU"), QStringLiteral("ヴ/ヴ"));
    EXPECT_EQ(entry("-"), QStringLiteral("ー/ー"));
    EXPECT_EQ(entry("WO"), QStringLiteral("ヲ/ヲ"));
    EXPECT_EQ(entry("THI"), QStringLiteral("ティ/テイ"));
    EXPECT_EQ(entry("NN"), QStringLiteral("ン/ン"));
}

// Real words typed as romaji come out as crossword kana.
TEST(RomaKanaTable, TypesRealWords)
{
    const RomaKanaTable t = loadTable();
    const std::pair<const char*, const char*> words[] = {
        {"KITTE", "キツテ"},        {"SHASHINN", "シヤシン"},  {"KO-HI-", "コーヒー"},
        {"GYUUNYUU", "ギユウニユウ"}, {"FO-KU", "フオーク"},    {"CHOUCHINN", "チヨウチン"},
        {"MACCHA", "マツチヤ"},      {"VAIORINN", "ヴアイオリン"}, {"THI-SHATSU", "テイーシヤツ"},
        {"WOKASHI", "ヲカシ"},       {"TSUNAMI", "ツナミ"},     {"JUUDOU", "ジユウドウ"},
    };
    for (const auto& [romaji, kana] : words)
        EXPECT_EQ(typeLetters(t, QString::fromUtf8(romaji)), QString::fromUtf8(kana)) << romaji;
}

// The test's reader itself refuses a short table and a table with extra records.
TEST(RomaKanaTable, ReaderRefusesShortOrLongTables)
{
    bool ok = false;
    const QString text = form::fromCp932(programFile(TablePath), &ok);
    ASSERT_TRUE(ok);
    RomaKanaTable table;
    QString error;
    EXPECT_FALSE(parseRomaKanaTable(text.left(text.size() / 2), &table, &error));
    EXPECT_FALSE(error.isEmpty());
    RomaKanaTable longer;
    EXPECT_FALSE(parseRomaKanaTable(text + QStringLiteral("三字,QQQ,ア,ア,余分\r\n"), &longer, &error));
    RomaKanaTable empty;
    EXPECT_FALSE(parseRomaKanaTable(QString(), &empty, &error));
}
