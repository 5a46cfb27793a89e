// .ipuz files through the game's entry points: the fixtures agree with what an independent
// parser reads from them (ipuz/readback.json), every clue shape lands on its word, letters
// and kana are stored as the grid stores them, and bad files are refused naming the place.
#include "playfile/CrossFile.h"
#include "playfile/OpenCrosswordImport.h"
#include "playfile/PlayFileHeader.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString fixture(const QString& name)
{
    return QStringLiteral(LATICA_TESTS_DIR "/openformats/ipuz/") + name;
}

QJsonObject readBack(const QString& name)
{
    return QJsonDocument::fromJson(testsupport::readFile(fixture(QStringLiteral("readback.json")))).object().value(name).toObject();
}

QString at(const QJsonObject& o, const char* grid, int r, int c)
{
    const QJsonValue v = o.value(QLatin1String(grid)).toArray()[r - 1].toArray()[c - 1];
    return v.isDouble() ? QString::number(v.toInt()) : v.toString();
}

// The parser's blocks, solutions (through `stored`) and numbers against the imported grid;
// gives the number of each word.
std::vector<int> expectGridAgrees(const Puzzle& p, const QJsonObject& parsed, QString (*stored)(const QString&))
{
    EXPECT_EQ(p.MasMaxX, parsed.value(QLatin1String("width")).toInt());
    EXPECT_EQ(p.MasMaxY, parsed.value(QLatin1String("height")).toInt());
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const MasData& m = p.Mas[p.index(r, c)];
            const QString cell = at(parsed, "cells", r, c);
            // The parser gives no solution for a {"value": ...} cell or an omitted one
            // (null), which the game takes as a block.
            if (cell.isEmpty())
                continue;
            EXPECT_EQ(m.Kind == 1, cell == QLatin1String("#")) << r << "," << c;
            if (cell != QLatin1String("#")) {
                EXPECT_EQ(m.Answer, stored(cell)) << r << "," << c;
            }
        }
    }
    std::vector<int> numbers(p.QuesNmbMax + 1, 0);
    for (int q = 1; q <= p.QuesNmbMax; ++q) {
        const int start = p.Ques[q].StartMas;
        numbers[q] = at(parsed, "numbers", start / p.MasLineLen, start % p.MasLineLen).toInt();
        EXPECT_GT(numbers[q], 0) << "word " << q << " starts in a cell without a number";
    }
    return numbers;
}

QString fullWidthLetter(const QString& cell)
{
    const QChar c = cell.toUpper()[0];
    return c.unicode() < 0x80 ? QString(QChar(char16_t(0xFF21 + c.unicode() - u'A'))) : QString(c);
}

// The fixture's kana as the grid stores them.
QString storedKana(const QString& cell)
{
    static const QHash<QString, QString> stored{
        {"ア", "ア"}, {"か", "カ"}, {"ｻ", "サ"}, {"タ", "タ"}, {"な", "ナ"}, {"ッ", "ツ"},
        {"ゃ", "ヤ"}, {"ー", "ー"}, {"ﾎ", "ホ"}, {"ヴ", "ヴ"}, {"ん", "ン"}, {"ョ", "ヨ"}};
    return stored.value(cell, QStringLiteral("?") + cell);
}

TEST(IpuzImport, LettersAgreeWithAnIndependentParserWithEveryClueShape)
{
    const QString path = fixture(QStringLiteral("letters_15x15.ipuz"));
    const PlayFileHeader header = readPlayFileHeader(path);
    ASSERT_TRUE(header.ok) << header.error.toStdString();
    EXPECT_EQ(header.keypadMode, 0);
    EXPECT_EQ(header.crossCount, 1);
    EXPECT_EQ(checkPlayFile(path), QString());
    const CrossReadResult read = readCrossFileAt(path, 1);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const Puzzle& p = read.puzzle;
    const QJsonObject parsed = readBack(QStringLiteral("letters_15x15.ipuz"));
    const std::vector<int> numbers = expectGridAgrees(p, parsed, fullWidthLetter);
    EXPECT_EQ(p.CrossLevel, 3);
    // The {"value": ...} cell, which the parser leaves out, an omitted cell and a full-width one.
    EXPECT_EQ(p.Mas[p.index(1, 2)].Answer, QStringLiteral("Ｒ"));
    EXPECT_EQ(p.Mas[p.index(2, 4)].Kind, 1);
    EXPECT_EQ(p.Mas[p.index(3, 3)].Answer, QStringLiteral("Ｏ"));

    // Pairs and objects alike, markup gone, each on the word of its number.
    int checked = 0;
    for (const bool across : {true, false}) {
        for (const QJsonValue clue : parsed.value(across ? QLatin1String("across") : QLatin1String("down")).toArray()) {
            const int number = clue.toArray()[0].toInt();
            const int first = across ? 1 : p.DownQuesTop, last = across ? p.DownQuesTop - 1 : p.QuesNmbMax;
            int q = first;
            while (q <= last && numbers[q] != number)
                ++q;
            ASSERT_LE(q, last) << (across ? "across " : "down ") << number;
            // The fixture alternates the shapes: a pair, then an object.
            const bool marked = clue.toArray()[1].toString().contains(QLatin1String("</"));
            const QString expected = across ? (marked ? QStringLiteral("Across %1 & more") : QStringLiteral("Across %1， with é"))
                                            : (marked ? QStringLiteral("Down %1 here") : QStringLiteral("Down %1 <x>"));
            EXPECT_EQ(p.Ques[q].QuesText, expected.arg(number)) << q;
            ++checked;
        }
    }
    EXPECT_EQ(checked, p.QuesNmbMax);
    EXPECT_EQ(p.Ques[1].SN, QStringLiteral("Letters 15,W15xH15"));
}

TEST(IpuzImport, KanaAreStoredLargeAndReadAsWrittenWithBareDownClues)
{
    const QString path = fixture(QStringLiteral("kana_21x21.ipuz"));
    const PlayFileHeader header = readPlayFileHeader(path);
    ASSERT_TRUE(header.ok) << header.error.toStdString();
    EXPECT_EQ(header.keypadMode, 1);
    const CrossReadResult read = readCrossFileAt(path, 1);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const Puzzle& p = read.puzzle;
    const std::vector<int> numbers = expectGridAgrees(p, readBack(QStringLiteral("kana_21x21.ipuz")), storedKana);
    // Row 1 across: ア か ｻ タ な ッ ゃ ー ﾎ ヴ ん ョ ...
    EXPECT_EQ(p.Ques[1].Answer.left(12), QStringLiteral("アカサタナツヤーホヴンヨ"));
    EXPECT_EQ(p.Ques[1].Reading.left(12), QStringLiteral("アカサタナッャーホヴンョ"));
    EXPECT_EQ(p.Ques[1].QuesText, QStringLiteral("よこ1"));
    // The bare down texts take the down words in order.
    for (int q = p.DownQuesTop; q <= p.QuesNmbMax; ++q)
        EXPECT_EQ(p.Ques[q].QuesText, QStringLiteral("たて%1番目").arg(q - p.DownQuesTop + 1)) << numbers[q];
    EXPECT_EQ(readCrossFileAt(path, 2).ok, false);
}

// A small crossword: a 2 x 3 grid of letters, CAT over OWL, with a clue for each word.
QByteArray small(const QString& solution = QStringLiteral(R"([["C","A","T"],["O","W","L"]])"),
                 const QString& clues = QStringLiteral(R"({"Across":[[1,"pet"],[4,"bird"]],"Down":[[1,"a"],[2,"b"],[3,"c"]]})"),
                 const QString& head = QStringLiteral(R"("version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":3,"height":2})"))
{
    return QStringLiteral(R"({%1,"puzzle":[[1,2,3],[4,0,0]],"solution":%2,"clues":%3})").arg(head, solution, clues).toUtf8();
}

TEST(IpuzImport, RefusesBadFilesNamingThePlace)
{
    QTemporaryDir dir;
    const QByteArray letters = testsupport::readFile(fixture(QStringLiteral("letters_15x15.ipuz")));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"empty", QByteArray(), "the file is empty"},
        {"truncated", letters.left(letters.size() / 2), "not JSON text"},
        {"not JSON", "ACROSS&DOWN", "not JSON text"},
        {"Latin-1", small().replace("pet", "caf\xe9"), "not JSON text"},
        {"wrong kind", small().replace("ipuz.org/crossword#1", "ipuz.org/sudoku#1"), "expected a crossword"},
        {"wrong version", small().replace("ipuz.org/v2", "ipuz.org/v9"), "the version is"},
        {"wrong rows", small().replace(R"("height":2)", R"("height":3)"), "the puzzle grid has 2 rows; the dimensions say 3"},
        {"zero width", small().replace(R"("width":3)", R"("width":0)"), "the dimensions are 0 x 2"},
        {"digit", small(R"([["C","A","T"],["O","7","L"]])"), "row 2 column 2 holds \"7\""},
        {"mixed scripts", small(R"([["C","A","T"],["O","ワ","L"]])"), "row 2 column 2 holds \"ワ\", a kana, but row 1 column 1 holds a letter"},
        {"two letters", small(R"([["C","AB","T"],["O","W","L"]])"), "row 1 column 2 holds \"AB\""},
        {"no solution", small(R"([["C","A","T"],["O",null,"L"]])"), "row 2 column 2 is white in the puzzle grid but its solution is null"},
        {"clue without word", small(QStringLiteral(R"([["C","A","T"],["O","W","L"]])"), R"({"Across":[[1,"pet"],[4,"bird"],[5,"x"]],"Down":[[1,"a"],[2,"b"],[3,"c"]]})"),
         "across clue 5 has no word"},
        {"word without clue", small(QStringLiteral(R"([["C","A","T"],["O","W","L"]])"), R"({"Across":[[1,"pet"]],"Down":[[1,"a"],[2,"b"],[3,"c"]]})"),
         "the across word 4 at row 2 column 1 has no clue"},
        {"bad clue", small(QStringLiteral(R"([["C","A","T"],["O","W","L"]])"), R"({"Across":[[1,"pet"],[4]],"Down":[[1,"a"],[2,"b"],[3,"c"]]})"),
         "Across clue 2 is [4]"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name) + QStringLiteral(".ipuz"));
        testsupport::writeFile(path, c.bytes);
        const QString fault = checkPlayFile(path);
        EXPECT_TRUE(fault.contains(QString::fromUtf8(c.reason))) << c.name << ": " << fault.toStdString();
        EXPECT_FALSE(readPlayFileHeader(path).ok) << c.name;
        EXPECT_FALSE(readCrossFileAt(path, 1).ok) << c.name;
    }
    // A white cell in no word: the corner of an L.
    OpenCrossword lone{2, 2, {QStringLiteral("A"), QString(), QString(), QStringLiteral("B")}, {}, {}, {}, {}, {}, {}, {}};
    EXPECT_EQ(importOpenCrossword(lone).error, QStringLiteral("row 1 column 1 is a white cell in no word; the game plays words of two or more cells"));
}

TEST(IpuzImport, ClueTextLosesMarkupAndALongClueIsAWarning)
{
    EXPECT_EQ(plainClueText(QStringLiteral("<i>Caf&eacute;</i>&nbsp;&amp; bar, &lt;b&gt; &#233;&#xE9; &bogus; <br/>end ")),
              QStringLiteral("Café & bar， <b> éé &bogus; end"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.IPUZ"));
    testsupport::writeFile(path, small().replace("\"pet\"", '"' + QByteArray(300, 'x') + "\""));
    ASSERT_TRUE(isOpenCrosswordPath(path));
    EXPECT_FALSE(isOpenCrosswordPath(QStringLiteral("a.kmi")));
    const ImportedCrossword imported = importOpenCrosswordFile(path);
    ASSERT_TRUE(imported.ok) << imported.error.toStdString();
    EXPECT_EQ(imported.warnings, QStringList{QStringLiteral("across clue 1 has 300 characters; the clue label shows 273 at most")});
    EXPECT_EQ(imported.title, QStringLiteral("long"));
}

} // namespace
