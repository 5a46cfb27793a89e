// norda export and norda import: every play file of the collection comes back through .ipuz
// as it was, an independent parser reads the export as the game reads the play file, and
// faults name the file and the cell or the clue, with nothing written.
#include "NordaRun.h"

#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using nordatest::norda;

namespace {

QStringList collection()
{
    QStringList files;
    const QDir folder(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("*.kmi")}, QDir::Files, QDir::Name))
        files << folder.filePath(name);
    return files;
}

QString fileTitle(const QString& kmi)
{
    return decodePlayFile(testsupport::readFile(kmi)).lines.value(0);
}

// The word of the puzzle that starts at `start` in the direction of word q of `other`.
const QuesData* sameWord(const Puzzle& p, const Puzzle& other, int q)
{
    const bool across = q < other.DownQuesTop;
    for (int k = across ? 1 : p.DownQuesTop; k <= (across ? p.DownQuesTop - 1 : p.QuesNmbMax); ++k) {
        if (p.Ques[k].StartMas == other.Ques[q].StartMas)
            return &p.Ques[k];
    }
    return nullptr;
}

TEST(NordaOpenFormats, EveryPlayFileOfTheCollectionComesBackThroughIpuz)
{
    const QStringList files = collection();
    ASSERT_GE(files.size(), 5) << "the samples and the collection";
    int puzzles = 0, same = 0;
    for (const QString& kmi : files) {
        QTemporaryDir dir;
        const auto exported = norda({QStringLiteral("export"), kmi, QStringLiteral("-o"), dir.filePath(QStringLiteral("ipuz"))});
        ASSERT_EQ(exported.exitCode, 0) << kmi.toStdString() << exported.err.toStdString();
        QStringList args{QStringLiteral("import")};
        for (const QString& name : QDir(dir.filePath(QStringLiteral("ipuz"))).entryList({QStringLiteral("*.ipuz")}, QDir::Files, QDir::Name))
            args << dir.filePath(QStringLiteral("ipuz/") + name);
        const QString back = dir.filePath(QStringLiteral("back.kmi"));
        args << QStringLiteral("-o") << back << QStringLiteral("--title") << fileTitle(kmi);
        const auto imported = norda(args);
        ASSERT_EQ(imported.exitCode, 0) << kmi.toStdString() << imported.err.toStdString();

        const PlayFileHeader before = readPlayFileHeader(kmi), after = readPlayFileHeader(back);
        ASSERT_EQ(after.crossCount, before.crossCount) << kmi.toStdString();
        EXPECT_EQ(after.keypadMode, before.keypadMode) << kmi.toStdString();
        for (int n = 1; n <= before.crossCount; ++n) {
            const Puzzle a = readCrossFileAt(kmi, n).puzzle, b = readCrossFileAt(back, n).puzzle;
            bool equal = a.MasMaxX == b.MasMaxX && a.MasMaxY == b.MasMaxY && a.CrossLevel == b.CrossLevel
                      && a.QuesNmbMax == b.QuesNmbMax && a.DownQuesTop == b.DownQuesTop;
            for (size_t i = 0; equal && i < a.Mas.size(); ++i)
                equal = a.Mas[i].Kind == b.Mas[i].Kind && a.Mas[i].Answer == b.Mas[i].Answer;
            for (int q = 1; equal && q <= a.QuesNmbMax; ++q) {
                const QuesData* w = sameWord(b, a, q);
                equal = w && w->Answer == a.Ques[q].Answer && w->QuesText == a.Ques[q].QuesText
                     && w->AnswerText == a.Ques[q].AnswerText && w->Reading == a.Ques[q].Reading;
            }
            EXPECT_TRUE(equal) << kmi.toStdString() << " puzzle " << n;
            ++puzzles;
            same += equal;
        }
    }
    EXPECT_EQ(same, puzzles);
    std::printf("%d of %d puzzles came back the same\n", same, puzzles);
}

// What @xwordly/xword-parser read from the export of 英単語クロス and 達人のカナクロス
// (tests/openformats/make_ipuz_fixtures.mjs) against the play files as the game reads them.
TEST(NordaOpenFormats, AnIndependentParserReadsTheExportAsTheGameReadsThePlayFile)
{
    const QJsonObject readBack = QJsonDocument::fromJson(
        testsupport::readFile(QStringLiteral(LATICA_TESTS_DIR "/openformats/ipuz/readback.json"))).object();
    int checked = 0;
    for (auto it = readBack.begin(); it != readBack.end(); ++it) {
        const QString name = it.key();
        const qsizetype dash = name.lastIndexOf(u'-');
        if (dash < 0)
            continue;  // the import's own fixtures
        const QString kmi = QStringLiteral(LATICA_BUILD_PROGRAM_DIR "/") + name.left(dash) + QStringLiteral(".kmi");
        const int n = name.mid(dash + 1).section(u'.', 0, 0).toInt();
        const CrossReadResult read = readCrossFileAt(kmi, n);
        ASSERT_TRUE(read.ok) << name.toStdString() << read.error.toStdString();
        const Puzzle& p = read.puzzle;
        const QJsonObject parsed = it.value().toObject();
        EXPECT_EQ(parsed.value(QLatin1String("title")).toString(), QStringLiteral("%1 [%2]").arg(fileTitle(kmi)).arg(n));
        const QJsonArray cells = parsed.value(QLatin1String("cells")).toArray();
        const QJsonArray numbers = parsed.value(QLatin1String("numbers")).toArray();
        ASSERT_EQ(cells.size(), p.MasMaxY) << name.toStdString();
        for (int r = 1; r <= p.MasMaxY; ++r) {
            for (int c = 1; c <= p.MasMaxX; ++c) {
                const QString answer = p.Mas[p.index(r, c)].Answer;
                const QString cell = cells[r - 1].toArray()[c - 1].toString();
                // Letters are written as ASCII capitals, kana as the grid stores them.
                const QString expected = answer == QStringLiteral("■") ? QStringLiteral("#")
                                       : answer[0].unicode() >= 0xFF21 && answer[0].unicode() <= 0xFF3A
                                           ? QString(QChar(char16_t(answer[0].unicode() - 0xFF21 + u'A')))
                                           : answer;
                EXPECT_EQ(cell, expected) << name.toStdString() << " " << r << "," << c;
            }
        }
        for (const bool across : {true, false}) {
            const QJsonArray clues = parsed.value(across ? QLatin1String("across") : QLatin1String("down")).toArray();
            ASSERT_EQ(clues.size(), across ? p.DownQuesTop - 1 : p.QuesNmbMax - p.DownQuesTop + 1) << name.toStdString();
            for (const QJsonValue clue : clues) {
                bool found = false;
                for (int q = across ? 1 : p.DownQuesTop; q <= (across ? p.DownQuesTop - 1 : p.QuesNmbMax); ++q) {
                    const int start = p.Ques[q].StartMas;
                    if (numbers[start / p.MasLineLen - 1].toArray()[start % p.MasLineLen - 1].toInt() != clue.toArray()[0].toInt())
                        continue;
                    EXPECT_EQ(clue.toArray()[1].toString(), p.Ques[q].QuesText) << name.toStdString() << " word " << q;
                    found = true;
                }
                EXPECT_TRUE(found) << name.toStdString() << " clue " << clue.toArray()[0].toInt();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 300);
}

QByteArray crossword(const QString& solution, const QString& acrossClue)
{
    return QStringLiteral(R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],"title":"t",
"dimensions":{"width":3,"height":2},"puzzle":[[1,2,3],[4,0,0]],"solution":%1,
"clues":{"Across":[[1,"%2"],[4,"bird"]],"Down":[[1,"a"],[2,"b"],[3,"c"]]}})")
        .arg(solution, acrossClue).toUtf8();
}

TEST(NordaOpenFormats, ImportFaultsNameTheFileAndTheCellOrClueAndWriteNothing)
{
    QTemporaryDir dir;
    const QString letters = dir.filePath(QStringLiteral("letters.ipuz")), kana = dir.filePath(QStringLiteral("kana.ipuz"));
    const QString mixed = dir.filePath(QStringLiteral("mixed.ipuz")), emoji = dir.filePath(QStringLiteral("emoji.ipuz"));
    testsupport::writeFile(letters, crossword(QStringLiteral(R"([["C","A","T"],["O","W","L"]])"), QStringLiteral("Café, a pet")));
    testsupport::writeFile(kana, crossword(QStringLiteral(R"([["ね","コ","ヤ"],["ナ","ギ","ー"]])"), QStringLiteral("猫")));
    testsupport::writeFile(mixed, crossword(QStringLiteral(R"([["C","A","T"],["O","ワ","L"]])"), QStringLiteral("pet")));
    testsupport::writeFile(emoji, crossword(QStringLiteral(R"([["C","A","T"],["O","W","L"]])"), QStringLiteral("pet 🐱")));
    const QString out = dir.filePath(QStringLiteral("out.kmi"));
    const auto import = [&out](const QStringList& files) {
        return norda(QStringList{QStringLiteral("import")} + files + QStringList{QStringLiteral("-o"), out});
    };

    auto run = import({letters, mixed});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(mixed + QStringLiteral(": error: row 2 column 2 holds \"ワ\""))) << run.err.toStdString();
    run = import({letters, kana});
    EXPECT_TRUE(run.err.contains(kana + QStringLiteral(": error: the puzzle plays as kana, but ") + letters)) << run.err.toStdString();
    run = import({emoji});
    EXPECT_TRUE(run.err.contains(emoji + QStringLiteral(": error: across clue 1 holds \"🐱\""))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    // An accent folds to its letter with a warning; the comma becomes a full-width one.
    run = import({letters});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(letters + QStringLiteral(": warning: across clue 1 holds letters with accents"))) << run.err.toStdString();
    const CrossReadResult read = readCrossFileAt(out, 1);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.puzzle.Ques[1].QuesText, QStringLiteral("Cafe， a pet"));
    EXPECT_EQ(norda({QStringLiteral("import"), letters}).exitCode, 2);
    EXPECT_EQ(norda({QStringLiteral("export"), dir.filePath(QStringLiteral("none.kmi")), QStringLiteral("-o"), dir.path()}).exitCode, 1);
}

} // namespace
