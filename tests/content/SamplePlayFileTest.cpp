// The sample play files that the build converts into the program folder, checked by
// norda check through the game's own reader: genuine crosswords whose kinds, numbers and
// word lines agree with their answer grids, and whose every kana can be typed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "ContentFiles.h"
#include "form/Cp932.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"
#include "support/TestSupport.h"

using namespace content;

namespace {

const QString KanaFile = QStringLiteral("サンプル_カナ.kmi");
const QString LetterFile = QStringLiteral("サンプル_英単語.kmi");

QString programPath(const QString& name)
{
    return QStringLiteral(LATICA_BUILD_PROGRAM_DIR "/") + name;
}

// norda check over the files: its exit status and report.
std::pair<int, QString> nordaCheck(const QStringList& files)
{
    QProcess process;
    process.start(programPath(QStringLiteral("norda")), QStringList{QStringLiteral("check")} + files);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QString()};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

// Both files arrive in CP932 with CR LF line ends.
TEST(SamplePlayFiles, AreCp932WithCrLfLineEnds)
{
    for (const QString& name : {KanaFile, LetterFile}) {
        const QByteArray bytes = programFile(name);
        ASSERT_FALSE(bytes.isEmpty()) << "missing " << name.toStdString();
        EXPECT_TRUE(allLinesEndInCrLf(bytes)) << name.toStdString();
        bool ok = false;
        form::fromCp932(bytes, &ok);
        EXPECT_TRUE(ok) << name.toStdString();
    }
}

// Kana file in keypad mode 1, letter file in 0; norda check finds nothing in either: the
// kinds and numbers agree with the grids, every kana has a romaji key, every letter is a
// full-width capital, and every clue fits the clue label.
TEST(SamplePlayFiles, AreCleanAndTypeable)
{
    EXPECT_EQ(readPlayFileHeader(programPath(KanaFile)).keypadMode, 1);
    EXPECT_EQ(readPlayFileHeader(programPath(LetterFile)).keypadMode, 0);
    const auto [status, report] = nordaCheck({programPath(KanaFile), programPath(LetterFile)});
    EXPECT_EQ(status, 0) << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral(": 0 errors, 0 warnings\n"))) << report.toStdString();
}

// Each file runs from a small board through 15 x 13 to boards larger than the 11 x 10
// window, at levels shown as stars.
TEST(SamplePlayFiles, RangeFromSmallToLargerThanTheWindow)
{
    for (const QString& name : {KanaFile, LetterFile}) {
        const PlayFileHeader header = readPlayFileHeader(programPath(name));
        ASSERT_TRUE(header.ok) << header.error.toStdString();
        EXPECT_GE(header.crossCount, 3);
        bool small = false, w15h13 = false;
        int larger = 0;
        for (int n = 1; n <= header.crossCount; ++n) {
            const CrossReadResult read = readCrossFileAt(programPath(name), n);
            ASSERT_TRUE(read.ok) << read.error.toStdString();
            const Puzzle& p = read.puzzle;
            small = small || p.MasMaxX * p.MasMaxY <= 36;
            w15h13 = w15h13 || (p.MasMaxX == 15 && p.MasMaxY == 13);
            larger += p.MasMaxX > 11 || p.MasMaxY > 10;
            EXPECT_GE(p.CrossLevel, 1);
            EXPECT_LE(p.CrossLevel, 5);
        }
        EXPECT_TRUE(small) << name.toStdString();
        EXPECT_TRUE(w15h13) << name.toStdString();
        EXPECT_GE(larger, 2) << name.toStdString();
    }
}

// The check is not blind: damaged copies of the kana file are noticed.
TEST(SamplePlayFiles, DamagedCopiesAreNoticed)
{
    const QStringList good = form::splitLines(form::fromCp932(programFile(KanaFile)));
    const int first = int(good.indexOf(QStringLiteral(";#1")));
    const int answer = int(good.indexOf(QStringLiteral(";答え"), first)) + 1;
    const int kinds = int(good.indexOf(QStringLiteral(";升目の種類（1:黒 2:横 3:縦 4:交差）"), first)) + 2;
    const int across = int(good.indexOf(QStringLiteral(";横の問題番号"), first)) + 1;
    const int words = int(good.indexOf(QStringLiteral(";問題（番号・ヒント・答え・ヨミ・ID・CN・BN・QN・AN・SN）"), first)) + 1;
    ASSERT_GT(first, 0);

    QList<std::pair<const char*, QStringList>> damaged;
    QStringList small = good; // a small kana in the grid, which the keypad never types
    small[answer].replace(0, 2, QStringLiteral("ショ"));
    damaged.append({"small kana", small});
    QStringList kind = good; // a crossing marked as an across-only cell
    kind[kinds] = QString(kind[kinds]).replace(QStringLiteral("1,4,"), QStringLiteral("1,2,"));
    damaged.append({"kind", kind});
    QStringList number = good; // an across number moved to the next cell
    number[across] = QStringLiteral("0,") + number[across].section(QLatin1Char(','), 0, -2);
    damaged.append({"number", number});
    QStringList missing = good; // a word line dropped
    missing.removeAt(words);
    damaged.append({"word line", missing});
    QStringList marker = good; // the second puzzle's marker lost
    marker.removeAll(QStringLiteral(";#2"));
    damaged.append({"marker", marker});
    damaged.append({"truncated", good.mid(0, good.size() / 2)});
    damaged.append({"empty", QStringList()});

    QTemporaryDir dir;
    for (const auto& [name, lines] : damaged) {
        ASSERT_NE(lines, good) << name;
        const QString path = dir.filePath(QStringLiteral("damaged.kmi"));
        testsupport::writeFile(path, testsupport::cp932Lines(lines));
        const auto [status, report] = nordaCheck({path});
        EXPECT_EQ(status, 1) << name << ": " << report.toStdString();
        EXPECT_TRUE(report.contains(path + QLatin1Char(':'))) << name << ": " << report.toStdString();
    }
    // The UTF-8 source copied as it is, without the build's conversion.
    const auto [status, report] = nordaCheck({QStringLiteral(LATICA_SOURCE_DIR "/data/samples/") + KanaFile});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(report.contains(QStringLiteral(":1: error: the text is UTF-8"))) << report.toStdString();
}
