// Reading the romaji table file: its field rules, and damaged files that must fail with
// a clear message and leave the table that was there.
#include "KeypadTables.h"

#include "form/Cp932.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using keypad::RomaKanaTable;

namespace {

QString parseError(const QByteArray& bytes, RomaKanaTable* table = nullptr)
{
    RomaKanaTable scratch;
    QString error;
    EXPECT_FALSE(keypad::ParseRomaKanaTable(bytes, table ? table : &scratch, &error));
    EXPECT_FALSE(error.isEmpty());
    return error;
}

// The real table's text lines (UTF-16, without line ends).
QStringList realLines()
{
    return form::splitLines(form::fromCp932(keypadtest::realTableBytes()));
}

QByteArray crlf(const QStringList& lines)
{
    return testsupport::cp932Lines(lines);
}

// Checks that a parsed table has the same entries as the installed one.
void expectSameAsReal(const RomaKanaTable& t)
{
    const RomaKanaTable real = keypadtest::realTable();
    EXPECT_EQ(t.doubling, real.doubling);
    ASSERT_EQ(t.two.size(), real.two.size());
    for (int i = 0; i < real.two.size(); ++i) {
        EXPECT_EQ(t.two[i].key, real.two[i].key);
        EXPECT_EQ(t.two[i].display, real.two[i].display);
        EXPECT_EQ(t.two[i].grid, real.two[i].grid);
    }
    ASSERT_EQ(t.three.size(), real.three.size());
    EXPECT_EQ(t.three.last().grid, real.three.last().grid);
}

} // namespace

// Quotes, blanks around fields, LF-only line ends, empty lines between records and a
// record running over a line end (which ends a field like a comma) all read as the plain
// file does.
TEST(RomaKanaTableFile, FieldRulesReadTheSameTable)
{
    QStringList lines = realLines();
    for (int i = 3; i < lines.size(); ++i) {
        QStringList f = lines[i].split(QLatin1Char(','));
        f[1] = QStringLiteral("  \"%1\" ").arg(f[1]);
        f[2] = QStringLiteral(" %1\t").arg(f[2]);
        lines[i] = f.join(QLatin1Char(','));
    }
    lines.insert(10, QString());
    lines[3].replace(QStringLiteral(","), QStringLiteral("\n"));
    QByteArray bytes = form::toCp932(lines.join(QLatin1Char('\n')));
    RomaKanaTable t;
    QString error;
    ASSERT_TRUE(keypad::ParseRomaKanaTable(bytes, &t, &error)) << error.toStdString();
    expectSameAsReal(t);
}

// When the 17th doubling letter does not end its line, the rest of that line is the
// heading and the records follow on the next line.
TEST(RomaKanaTableFile, HeadingMayFollowTheLettersOnTheirLine)
{
    QStringList lines = realLines();
    lines[1] += QStringLiteral(",区分：ローマ字：表示かな：升目かな");
    lines.removeAt(2);
    RomaKanaTable t;
    QString error;
    ASSERT_TRUE(keypad::ParseRomaKanaTable(crlf(lines), &t, &error)) << error.toStdString();
    expectSameAsReal(t);
}

TEST(RomaKanaTableFile, MissingFileNamesThePathAndKeepsTheTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("新ローマ字かな変換.txt"));
    RomaKanaTable table = keypadtest::smallTable({"K"}, {"KA=カ/カ"});
    QString error;
    EXPECT_FALSE(keypad::LoadRomaKanaTable(path, &table, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(table.two.size(), 1);
}

TEST(RomaKanaTableFile, EmptyFileFails)
{
    EXPECT_TRUE(parseError(QByteArray()).contains(QStringLiteral("空")));
    EXPECT_TRUE(parseError("\r\n\r\n").contains(QStringLiteral("空")));
}

// Cut anywhere before the last record's grid kana, the file fails and the table given
// keeps its content; cut only in the last ignored field, it still reads whole.
TEST(RomaKanaTableFile, TruncatedFileFailsWherePartOfTheTableIsMissing)
{
    const QByteArray bytes = keypadtest::realTableBytes();
    ASSERT_FALSE(bytes.isEmpty());
    const qsizetype lastGrid = bytes.lastIndexOf(form::toCp932(QStringLiteral(",ワ,")));
    ASSERT_GT(lastGrid, 0);
    for (qsizetype cut = 0; cut <= lastGrid; cut += 7) {
        RomaKanaTable table = keypadtest::smallTable({"K"}, {"KA=カ/カ"});
        parseError(bytes.left(cut), &table);
        EXPECT_EQ(table.two.size(), 1) << cut;
        EXPECT_TRUE(table.three.isEmpty()) << cut;
    }
    RomaKanaTable t;
    QString error;
    EXPECT_TRUE(keypad::ParseRomaKanaTable(bytes.left(lastGrid + 6), &t, &error)) << error.toStdString();
}

// The message says which section ran short.
TEST(RomaKanaTableFile, TruncationIsNamed)
{
    QStringList lines = realLines();
    EXPECT_TRUE(parseError(crlf(lines.mid(0, 1))).contains(QStringLiteral("促音")));
    EXPECT_TRUE(parseError(crlf(lines.mid(0, 2))).contains(QStringLiteral("促音")));
    const QString two = parseError(crlf(lines.mid(0, 40)));
    EXPECT_TRUE(two.contains(QStringLiteral("二字"))) << two.toStdString();
    EXPECT_TRUE(two.contains(QStringLiteral("32"))) << two.toStdString();
}

// Wrong counts shift the fields; the key lengths give it away.
TEST(RomaKanaTableFile, WrongCountsFail)
{
    const QStringList lines = realLines();
    const int firstTwo = 3 + 6, firstThree = firstTwo + 97;

    QStringList fewerTwo = lines;
    fewerTwo.removeAt(firstTwo + 5);
    const QString e1 = parseError(crlf(fewerTwo));
    EXPECT_TRUE(e1.contains(QStringLiteral("二字"))) << e1.toStdString();

    QStringList moreTwo = lines;
    moreTwo.insert(firstThree, QStringLiteral("二字,QA,クァ,クア,余分"));
    const QString e2 = parseError(crlf(moreTwo));
    EXPECT_TRUE(e2.contains(QStringLiteral("三字"))) << e2.toStdString();

    QStringList moreThree = lines;
    moreThree.append(QStringLiteral("三字,QWA,クァ,クア,余分"));
    const QString e3 = parseError(crlf(moreThree));
    EXPECT_TRUE(e3.contains(QStringLiteral("QWA"))) << e3.toStdString();

    QStringList fewerDoubling = lines;
    fewerDoubling[1].remove(QStringLiteral(",Z"));
    EXPECT_TRUE(parseError(crlf(fewerDoubling)).contains(QStringLiteral("促音")));

    QStringList moreDoubling = lines;
    moreDoubling[1] += QStringLiteral(",X");
    EXPECT_TRUE(parseError(crlf(moreDoubling)).contains(QStringLiteral("一字")));
}

// A key of the wrong length or a record without kana is damage, not data.
TEST(RomaKanaTableFile, DamagedRecordsFail)
{
    QStringList lines = realLines();
    QStringList longKey = lines;
    longKey[9] = QStringLiteral("二字,KAA,カ,カ,K行");
    EXPECT_TRUE(parseError(crlf(longKey)).contains(QStringLiteral("KAA")));

    QStringList noGrid = lines;
    noGrid[9] = QStringLiteral("二字,KA,カ,,K行");
    EXPECT_TRUE(parseError(crlf(noGrid)).contains(QStringLiteral("KA")));

    QStringList longLetter = lines;
    longLetter[1].replace(QStringLiteral(",B,"), QStringLiteral(",BB,"));
    EXPECT_TRUE(parseError(crlf(longLetter)).contains(QStringLiteral("BB")));
}

// Text in another encoding is refused with the reason.
TEST(RomaKanaTableFile, WrongEncodingFails)
{
    const QByteArray utf8 = testsupport::readFile(QStringLiteral(LATICA_SOURCE_DIR "/data/romakana/新ローマ字かな変換.txt"));
    ASSERT_FALSE(utf8.isEmpty());
    EXPECT_TRUE(parseError(utf8).contains(QStringLiteral("UTF-8")));

    const QString text = form::fromCp932(keypadtest::realTableBytes());
    QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_TRUE(parseError(utf16).contains(QStringLiteral("NUL")));

    QByteArray broken = keypadtest::realTableBytes();
    broken.insert(broken.indexOf("KA,") + 3, "\x81\n");
    EXPECT_TRUE(parseError(broken).contains(QStringLiteral("シフトJIS")));
}

// A file that reads whole replaces the table; a damaged one leaves it as it was.
TEST(RomaKanaTableFile, LoadReadsTheInstalledFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.txt"));
    testsupport::writeFile(path, keypadtest::realTableBytes());
    RomaKanaTable t = keypadtest::smallTable({"Q"}, {"QA=ク/ク"});
    QString error;
    ASSERT_TRUE(keypad::LoadRomaKanaTable(path, &t, &error)) << error.toStdString();
    expectSameAsReal(t);
    EXPECT_EQ(t.doubling.size(), 17);

    testsupport::writeFile(path, keypadtest::realTableBytes().left(500));
    EXPECT_FALSE(keypad::LoadRomaKanaTable(path, &t, &error));
    EXPECT_TRUE(error.contains(path));
    EXPECT_EQ(t.three.size(), 122);
}
