// norda check: a good play file passes; damaged copies of it, each made by a small edit,
// are reported at the line of the damage; bad arguments exit 2.
#include "NordaRun.h"

#include "form/Cp932.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using nordatest::norda;
using nordatest::testFile;

namespace {

// The lines of the expected tiny kana play file (see tiny_kana.txt): line 13 holds the
// kinds of row 1, lines 19..22 the answer grid, 24..27 the across numbers, 34..36 the
// word lines of puzzle 1, line 38 the marker of puzzle 2.
QStringList goodLines()
{
    return form::splitLines(form::fromCp932(testsupport::readFile(testFile(QStringLiteral("tiny_kana.kmi")))));
}

// Runs norda check on the good lines after `damage`.
nordatest::Run checkDamaged(const std::function<void(QStringList&)>& damage)
{
    QStringList lines = goodLines();
    EXPECT_EQ(lines.size(), 59);
    damage(lines);
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.kmi"));
    testsupport::writeFile(path, testsupport::cp932Lines(lines));
    return norda({QStringLiteral("check"), path});
}

TEST(NordaCheck, PassesAGoodFile)
{
    const auto run = norda({QStringLiteral("check"), testFile(QStringLiteral("tiny_kana.kmi"))});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("norda check: 1 file, 2 puzzles: 0 errors, 0 warnings\n"));
    // The game reads the number the keypad line starts with; the rest is the author's note.
    const auto noted = checkDamaged([](QStringList& l) { l[1] = QStringLiteral("1,キーパッドモード"); });
    EXPECT_EQ(noted.exitCode, 0) << noted.out.toStdString();
}

// A clue that holds an answer of its grid: as written, in katakana or hiragana, or in
// letters as a whole word. Single characters and katakana or letters inside a longer word
// do not count.
TEST(NordaCheck, WarnsOfAClueThatGivesAwayAnAnswer)
{
    const std::pair<std::function<void(QStringList&)>, const char*> warned[] = {
        {[](QStringList& l) { l[34].replace(QStringLiteral("百獣の王と呼ばれる"), QStringLiteral("喇叭より大声の")); },
         ":35: warning: puzzle 1: the clue of word 2 contains \"喇叭\", the answer of word 1"},
        {[](QStringList& l) { l[35].replace(QStringLiteral("白と黒の毛で"), QStringLiteral("ぱんだは白黒で")); },
         ":36: warning: puzzle 1: the clue of word 3 contains its own answer \"パンダ\""},
        {[](QStringList& l) { l[35].replace(QStringLiteral("白と黒の毛で"), QStringLiteral("ライオンでなく")); },
         ":36: warning: puzzle 1: the clue of word 3 contains \"ライオン\", the answer of word 2"},
        {[](QStringList& l) {
             l[33].replace(QStringLiteral("喇叭"), QStringLiteral("Ａｎ"));
             l[34].replace(QStringLiteral("百獣の王と呼ばれる"), QStringLiteral("an animal　"));
         },
         ":35: warning: puzzle 1: the clue of word 2 contains \"Ａｎ\", the answer of word 1"},
    };
    for (const auto& [damage, expected] : warned) {
        SCOPED_TRACE(expected);
        const auto run = checkDamaged(damage);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(expected))) << run.out.toStdString();
        EXPECT_TRUE(run.out.endsWith(QStringLiteral(", 1 warning\n"))) << run.out.toStdString();
    }
    const auto clean = checkDamaged([](QStringList& l) {
        l[33].replace(QStringLiteral("喇叭"), QStringLiteral("Ａｎ"));
        l[34].replace(QStringLiteral("百獣の王と呼ばれる"), QStringLiteral("ジャイアントパンダより強いmany"));
        l[58].replace(QStringLiteral("眠っている"), QStringLiteral("雪の夜、眠った"));
    });
    EXPECT_EQ(clean.exitCode, 0) << clean.out.toStdString();
}

TEST(NordaCheck, NamesTheLineOfEachFault)
{
    struct Case {
        const char* name;
        std::function<void(QStringList&)> damage;
        QString expected;
    };
    const Case cases[] = {
        {"a crossing kind on an across-only cell", [](QStringList& l) { l[12] = QStringLiteral("1,4,4,4,1"); },
         QStringLiteral(":13: error: puzzle 1: row 1 column 2 has cell kind 4; the answer grid makes it 2")},
        {"a kind out of range", [](QStringList& l) { l[13] = QStringLiteral("1,3,1,5,1"); },
         QStringLiteral(":14: error: puzzle 1: row 2 column 3 has cell kind 5; expected 1..4")},
        {"a small kana the keypad cannot type", [](QStringList& l) { l[18] = QStringLiteral("ラッパ"); },
         QStringLiteral(":19: warning: puzzle 1: row 1 column 2 holds \"ッ\", which a player cannot type")},
        {"a black square on a white cell", [](QStringList& l) { l[20] = QStringLiteral("オ■■"); },
         QStringLiteral(":21: error: puzzle 1: row 3 column 3 of the answer grid is ■ but its cell kind is 3")},
        {"an across number moved", [](QStringList& l) { l[23] = QStringLiteral("0,1,0"); },
         QStringLiteral(":24: error: puzzle 1: across word 1 starts at row 1 column 2, inside the across word")},
        {"a word line dropped", [](QStringList& l) { l.removeAt(34); },
         QStringLiteral(":35: error: puzzle 1: expected the line of word 2 of 3")},
        {"a clue too long for the label", [](QStringList& l) { l[33].replace(QStringLiteral("吹いて"), QString(280, u'長')); },
         QStringLiteral(":34: warning: puzzle 1: the clue of word 1 has 288 characters; the clue label shows 273")},
        {"a marker lost", [](QStringList& l) { l[37] = QStringLiteral(";#3"); },
         QStringLiteral(":4: error: the header announces 2 puzzles but puzzle 2 has no section")},
        {"a grid size beyond 99", [](QStringList& l) { l[7] = QStringLiteral("400,3"); },
         QStringLiteral(":8: error: puzzle 1: the number of rows is 400; expected 1..99")},
        {"a first down word past the words", [](QStringList& l) { l[9] = QStringLiteral("1,3,9"); },
         QStringLiteral(":10: error: puzzle 1: the first down word is 9; expected 1..4")},
        {"a count that is not a number", [](QStringList& l) { l[3] = QStringLiteral("two"); },
         QStringLiteral(":4: error: the number of puzzles is \"two\"; expected 1..9999")},
        {"truncated in the answer grid", [](QStringList& l) { l = l.mid(0, 20); },
         QStringLiteral(":20: error: puzzle 1: the file ends here; expected row 3 of the answer grid")},
        {"a keypad line with no mode", [](QStringList& l) { l[1] = QStringLiteral("かな"); },
         QStringLiteral(":2: warning: keypad mode \"かな\" plays as letters")},
        {"a letter file of kana", [](QStringList& l) { l[1] = QStringLiteral("0"); },
         QStringLiteral(":19: warning: puzzle 1: row 1 column 1 holds \"ラ\", which a player cannot type")},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.kmi"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = goodLines();
        ASSERT_EQ(lines.size(), 59);
        c.damage(lines);
        testsupport::writeFile(path, testsupport::cp932Lines(lines));
        const auto run = norda({QStringLiteral("check"), path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.contains(path + c.expected)) << run.out.toStdString();
    }
}

// A fault in one place does not hide the others, in the same puzzle or the next.
TEST(NordaCheck, ReportsEveryFaultNotJustTheFirst)
{
    QStringList lines = goodLines();
    lines[13] = QStringLiteral("1,3,1,5,1");  // a kind out of range
    lines[33].replace(QStringLiteral("吹いて"), QString(280, u'長'));  // a clue too long
    lines[48] = QStringLiteral("ユッ");       // puzzle 2: a small kana
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("faults.kmi"));
    testsupport::writeFile(path, testsupport::cp932Lines(lines));
    const auto run = norda({QStringLiteral("check"), path});
    EXPECT_EQ(run.exitCode, 1);
    for (const char* line : {":14: error: puzzle 1", ":34: warning: puzzle 1", ":49: warning: puzzle 2"})
        EXPECT_TRUE(run.out.contains(path + QLatin1String(line))) << line << "\n" << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral(", 2 warnings\n"))) << run.out.toStdString();
}

// Bytes that are no play file at all are named, never a crash.
TEST(NordaCheck, ReportsFilesThatAreNoPlayFile)
{
    QTemporaryDir dir;
    const QByteArray good = testsupport::readFile(testFile(QStringLiteral("tiny_kana.kmi")));
    // A lead byte without its second byte at the start of the answer grid (line 19).
    const QByteArray caption = form::toCp932(QStringLiteral(";答え\r\n"));
    QByteArray notCp932 = good;
    notCp932.insert(good.indexOf(caption) + caption.size(), "\x81\x20");
    const std::pair<QByteArray, QString> cases[] = {
        {QByteArray(), QStringLiteral(": error: the header is shorter than four lines")},
        {form::fromCp932(good).toUtf8(), QStringLiteral(":1: error: the text is UTF-8")},
        {notCp932, QStringLiteral(":19: error: bytes that are not Shift-JIS (CP932) text")},
        {good.left(good.indexOf(caption) + caption.size() + 1), QStringLiteral(":19: error: bytes that are not Shift-JIS")},
        {QByteArray(4000, '\xff'), QStringLiteral(":1: error: bytes that are not Shift-JIS")},
    };
    int n = 0;
    for (const auto& [bytes, expected] : cases) {
        const QString path = dir.filePath(QStringLiteral("bad%1.kmi").arg(++n));
        testsupport::writeFile(path, bytes);
        const auto run = norda({QStringLiteral("check"), path});
        EXPECT_EQ(run.exitCode, 1) << n;
        EXPECT_TRUE(run.out.contains(path + expected)) << n << ": " << run.out.toStdString();
    }
    const auto missing = norda({QStringLiteral("check"), dir.filePath(QStringLiteral("none.kmi"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.contains(QStringLiteral(": error: cannot open the file")));
}

TEST(Norda, BadArgumentsExitTwo)
{
    const QString source = testFile(QStringLiteral("tiny_kana.txt"));
    const QStringList cases[] = {
        {},
        {QStringLiteral("frob")},
        {QStringLiteral("check")},
        {QStringLiteral("check"), QStringLiteral("--strict"), source},
        {QStringLiteral("build"), source},
        {QStringLiteral("build"), source, QStringLiteral("-o")},
        {QStringLiteral("build"), source, source, QStringLiteral("-o"), QStringLiteral("x.kmi")},
    };
    for (const QStringList& args : cases) {
        const auto run = norda(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: norda build"))) << args.join(QLatin1Char(' ')).toStdString();
    }
}

} // namespace
