// Fetching talks from the talk data files, and what damaged or missing data gives.
#include "TalkFiles.h"

#include "support/TestSupport.h"

#include "form/ProgramFolder.h"
#include "talk/TalkData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>

using talkfiles::HandMade;

namespace {
// Talk 1100 of three records, an unnumbered talk after it, talk 1101 that is empty.
struct Sample {
    HandMade files;
    qint32 first, unnumbered, empty;
    talk::TalkData data;

    Sample()
    {
        first = files.record(QStringLiteral("A"));
        files.record(QStringLiteral("B"));
        files.record(QStringLiteral("C∴"));
        unnumbered = files.record(QStringLiteral("＋〈続き〉∴"));
        empty = files.record(QStringLiteral("∴"));
        files.setIndex(1100, first);
        files.setIndex(1101, empty);
        files.write();
        EXPECT_TRUE(data.open(files.indexPath(), files.dataPath())) << data.openError().toStdString();
    }
};
} // namespace

// Records are joined until the one ending with the end mark, which is removed.
TEST(TalkData, JoinsRecordsUpToTheEndMark)
{
    Sample s;
    talk::TalkText t = s.data.fetch(1100);
    EXPECT_TRUE(t.ok()) << t.error.toStdString();
    EXPECT_EQ(t.text, QStringLiteral("ABC"));
    EXPECT_EQ(s.data.nextPosition(), s.unnumbered);
}

TEST(TalkData, OnlyTheEndMarkIsAnEmptyTalk)
{
    Sample s;
    talk::TalkText t = s.data.fetch(1101);
    EXPECT_TRUE(t.ok());
    EXPECT_TRUE(t.text.isEmpty());
}

// A number of 0 or below continues with the talk stored right after the last one fetched,
// numbered or not.
TEST(TalkData, ContinuesAfterThePreviousTalk)
{
    Sample s;
    ASSERT_TRUE(s.data.fetch(1100).ok());
    EXPECT_EQ(s.data.fetch(0).text, QStringLiteral("＋〈続き〉"));
    talk::TalkText next = s.data.fetch(-1);
    EXPECT_TRUE(next.ok());
    EXPECT_TRUE(next.text.isEmpty());
    // Nothing is stored after the last talk.
    talk::TalkText past = s.data.fetch(0);
    EXPECT_FALSE(past.ok());
    EXPECT_TRUE(past.error.contains(QStringLiteral("TalkDt.dat")));
}

// A text given instead of a number is the talk; files and next position stay untouched.
TEST(TalkData, LiteralTextPassesThrough)
{
    Sample s;
    ASSERT_TRUE(s.data.fetch(1100).ok());
    talk::TalkText literal = s.data.fetch(QStringLiteral("＋〈1100〉∴"));
    EXPECT_TRUE(literal.ok());
    EXPECT_EQ(literal.text, QStringLiteral("＋〈1100〉∴"));
    EXPECT_EQ(s.data.fetch(0).text, QStringLiteral("＋〈続き〉"));

    talk::TalkData closed;
    EXPECT_EQ(closed.fetch(QStringLiteral("テキスト")).text, QStringLiteral("テキスト"));
}

// The files stay open once opened: removing them afterwards changes nothing.
TEST(TalkData, FilesStayOpen)
{
    Sample s;
    QFile::remove(s.files.indexPath());
    QFile::remove(s.files.dataPath());
    EXPECT_EQ(s.data.fetch(1100).text, QStringLiteral("ABC"));
    s.data.close();
    EXPECT_FALSE(s.data.isOpen());
    talk::TalkText t = s.data.fetch(1100);
    EXPECT_FALSE(t.ok());
    EXPECT_TRUE(t.error.contains(QStringLiteral("1100")));
}

// open() finds "\Talk\TalkIx.dat" and "\Talk\TalkDt.dat" below the program folder,
// whatever the case of the names on disk.
TEST(TalkData, OpensTheProgramFolderFiles)
{
    QTemporaryDir folder;
    HandMade files;
    files.setIndex(1000, files.record(QStringLiteral("①㊥⊿∴")));
    testsupport::writeFile(folder.filePath(QStringLiteral("talk/TALKIX.DAT")), files.index);
    testsupport::writeFile(folder.filePath(QStringLiteral("talk/talkdt.dat")), files.data);
    form::ProgramFolder::setPath(folder.path());
    talk::TalkData data;
    const bool opened = data.open();
    form::ProgramFolder::setPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    ASSERT_TRUE(opened) << data.openError().toStdString();
    EXPECT_EQ(data.fetch(1000).text, QStringLiteral("①㊥⊿"));
}

// A missing file: opening fails naming it, and every fetch reports instead of reading.
TEST(TalkDataDamage, AbsentFile)
{
    for (bool indexMissing : {true, false}) {
        HandMade files;
        files.setIndex(1000, files.record(QStringLiteral("x∴")));
        files.write();
        const QString missing = indexMissing ? files.indexPath() : files.dataPath();
        QFile::remove(missing);
        talk::TalkData data;
        EXPECT_FALSE(data.open(files.indexPath(), files.dataPath()));
        EXPECT_FALSE(data.isOpen());
        EXPECT_TRUE(data.openError().contains(missing)) << data.openError().toStdString();
        talk::TalkText t = data.fetch(1000);
        EXPECT_FALSE(t.ok());
        EXPECT_TRUE(t.text.isEmpty());
        EXPECT_TRUE(t.error.contains(QStringLiteral("1000")));
    }
}

// An index record of 0 and a number past the index's end are missing talks; after a
// failed fetch there is nothing to continue from.
TEST(TalkDataDamage, MissingTalks)
{
    Sample s;
    for (int n : {1200, 1099, 1, 1102, 99999, INT_MAX}) {
        ASSERT_TRUE(s.data.fetch(1100).ok());
        talk::TalkText t = s.data.fetch(n);
        EXPECT_FALSE(t.ok()) << n;
        EXPECT_TRUE(t.text.isEmpty());
        EXPECT_TRUE(t.error.contains(QString::number(n))) << t.error.toStdString();
        EXPECT_EQ(s.data.nextPosition(), 0);
        EXPECT_FALSE(s.data.fetch(0).ok());
    }
}

// An index file that ends inside a record: that record counts as missing.
TEST(TalkDataDamage, IndexEndsInsideARecord)
{
    HandMade files;
    files.setIndex(2, files.record(QStringLiteral("x∴")));
    files.index.chop(1);
    files.write();
    talk::TalkData data;
    ASSERT_TRUE(data.open(files.indexPath(), files.dataPath()));
    EXPECT_FALSE(data.fetch(2).ok());
}

TEST(TalkDataDamage, ContinuingBeforeAnyFetch)
{
    Sample s;
    talk::TalkText t = s.data.fetch(0);
    EXPECT_FALSE(t.ok());
    EXPECT_FALSE(t.error.isEmpty());
}

// A position outside TalkDt.dat, past its end or below 1.
TEST(TalkDataDamage, PositionOutsideTheTextFile)
{
    Sample s;
    HandMade& f = s.files;
    for (qint32 position : {qint32(f.data.size() + 1), qint32(f.data.size() + 1000), qint32(-5), INT_MAX}) {
        f.setIndex(1300, position);
        f.write();
        talk::TalkData data;
        ASSERT_TRUE(data.open(f.indexPath(), f.dataPath()));
        talk::TalkText t = data.fetch(1300);
        EXPECT_FALSE(t.ok()) << position;
        EXPECT_TRUE(t.error.contains(QStringLiteral("1300")));
        EXPECT_TRUE(t.error.contains(QString::number(position))) << t.error.toStdString();
    }
}

// A text file cut inside a record's length or text: the talk gives the whole records
// before the cut and an error; nothing past the end is read.
TEST(TalkDataDamage, TruncatedTextFile)
{
    Sample s;
    const QByteArray whole = s.files.data;
    // C's record: a 2-byte length and 3 bytes of text, right before the unnumbered talk.
    const qsizetype cStart = s.unnumbered - 1 - 5;
    // Cut inside C's text, inside C's length field, and right before C.
    for (qsizetype cut : {cStart + 3, cStart + 1, cStart}) {
        s.files.data = whole.left(cut);
        s.files.write();
        talk::TalkData data;
        ASSERT_TRUE(data.open(s.files.indexPath(), s.files.dataPath()));
        talk::TalkText t = data.fetch(1100);
        EXPECT_FALSE(t.ok()) << cut;
        EXPECT_EQ(t.text, QStringLiteral("AB")) << cut;
        EXPECT_TRUE(t.error.contains(QStringLiteral("1100")));
        EXPECT_TRUE(t.error.contains(QStringLiteral("TalkDt.dat")));
        EXPECT_EQ(data.nextPosition(), 0);
    }
}

// Whole records up to the end of the file without the end mark: the talk ends there,
// and the error says so.
TEST(TalkDataDamage, NoEndMarkBeforeTheEnd)
{
    HandMade files;
    files.setIndex(1000, files.record(QStringLiteral("始め")));
    files.record(QStringLiteral("終わりなし"));
    files.write();
    talk::TalkData data;
    ASSERT_TRUE(data.open(files.indexPath(), files.dataPath()));
    talk::TalkText t = data.fetch(1000);
    EXPECT_FALSE(t.ok());
    EXPECT_EQ(t.text, QStringLiteral("始め終わりなし"));
    EXPECT_TRUE(t.error.contains(QStringLiteral("1000")));
}

// An empty text file: every position is past its end.
TEST(TalkDataDamage, EmptyTextFile)
{
    HandMade files;
    files.setIndex(1000, 1);
    files.write();
    talk::TalkData data;
    ASSERT_TRUE(data.open(files.indexPath(), files.dataPath()));
    EXPECT_FALSE(data.fetch(1000).ok());
}

// Bytes that are not CP932: reported, with the readable rest of the text.
TEST(TalkDataDamage, NotCp932)
{
    HandMade files;
    files.setIndex(1000, files.rawRecord(QByteArray("ok\x81\x20\x81\x88")));
    files.write();
    talk::TalkData data;
    ASSERT_TRUE(data.open(files.indexPath(), files.dataPath()));
    talk::TalkText t = data.fetch(1000);
    EXPECT_FALSE(t.ok());
    EXPECT_TRUE(t.text.startsWith(QStringLiteral("ok")));
    EXPECT_TRUE(t.error.contains(QStringLiteral("1000")));
}
