// norda build takes every letter of the alphabet, in either case, and stores it full-width.
#include "NordaRun.h"

#include "playfile/CrossFile.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using nordatest::norda;

namespace {

TEST(NordaLetters, EveryLetterInEitherCaseIsStoredFullWidth)
{
    const QString lower = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const QString upper = lower.toUpper();
    QString fullWidth;
    for (const QChar c : upper)
        fullWidth += QChar(0xFF21 + (c.unicode() - 'A'));
    // Two across words over a black row: the lower case one above the upper case one.
    const QString source = QStringLiteral("title: Letters\nkeypad: 0\npuzzle:\nlevel: 1\ngrid:\n%1\n%2\n%3\n"
                                          "across:\n%1 | 小文字\n%3 | 大文字\ndown:\n")
                               .arg(lower, QString(26, QChar(0x25A0)), upper);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("letters.txt"));
    const QString out = dir.filePath(QStringLiteral("letters.kmi"));
    testsupport::writeFile(in, source.toUtf8());
    const auto run = norda({QStringLiteral("build"), in, QStringLiteral("-o"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const CrossReadResult read = readCrossFileAt(out, 1);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const Puzzle& p = read.puzzle;
    ASSERT_EQ(p.QuesNmbMax, 2);
    EXPECT_EQ(p.Ques[1].Answer, fullWidth);
    EXPECT_EQ(p.Ques[2].Answer, fullWidth);
    for (int c = 1; c <= 26; ++c) {
        EXPECT_EQ(p.Mas[size_t(p.index(1, c))].Answer, fullWidth.mid(c - 1, 1)) << "column " << c;
        EXPECT_EQ(p.Mas[size_t(p.index(3, c))].Answer, fullWidth.mid(c - 1, 1)) << "column " << c;
    }
}

} // namespace
