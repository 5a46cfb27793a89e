// A whole run: the start numbers, the earlier data files, the progress texts and the
// encodings of the source.
#include "Helpers.h"
#include "Messages.h"
#include "Run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

namespace {
const QStringList kSource = {QStringLiteral("':_...>1500 a∴"), QStringLiteral("':_...>1501 b∴")};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

// Start numbers out of range, unreadable or empty stop the tool before any stage runs.
TEST(Run, StartNumbersAreChecked)
{
    struct Case {
        const char* talk;
        const char* ref;
        QString message;
    };
    const Case cases[] = {
        {"999", "200", msg::kBadTalkStart.toString() + QStringLiteral("999")},
        {"6000", "200", msg::kBadTalkStart.toString() + QStringLiteral("6000")},
        {"12x", "200", msg::kBadTalkStart.toString() + QStringLiteral("12x")},
        {"", "200", msg::kEmptyTalkStart.toString()},
        {"1100", "99", msg::kBadRefStart.toString() + QStringLiteral("99")},
        {"1100", "600", msg::kBadRefStart.toString() + QStringLiteral("600")},
        {"1100", " ", msg::kEmptyRefStart.toString()},
    };
    for (const Case& c : cases) {
        Options options;
        options.talkStart = QLatin1String(c.talk);
        options.refStart = QLatin1String(c.ref);
        Outcome out = convert(kSource, options);
        EXPECT_FALSE(out.ok) << c.talk << " " << c.ref;
        EXPECT_EQ(out.report.printed, QStringList({c.message}));
        EXPECT_TRUE(out.report.progressTexts.isEmpty());
        EXPECT_TRUE(out.report.start.isEmpty());
        EXPECT_FALSE(out.dataWritten);
        EXPECT_TRUE(out.newBytes.isEmpty());
    }
}

TEST(Run, StartNumberBounds)
{
    for (const auto& [talk, ref] : {std::pair{"1000", "100"}, std::pair{"5999", "599"}}) {
        Options options;
        options.talkStart = QLatin1String(talk);
        options.refStart = QLatin1String(ref);
        Outcome out = convert({QStringLiteral("':#001>1500 a∴")}, options);
        ASSERT_TRUE(out.ok) << talk;
        EXPECT_EQ(out.newLines.first(), QStringLiteral("':#%1>%2 a∴").arg(QLatin1String(ref), QLatin1String(talk)));
    }
}

// The progress texts come in stage order, the first twice; the times are set and the run
// ends with "All End".
TEST(Run, ProgressTexts)
{
    Outcome out = convert(kSource);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.report.progressTexts,
              QStringList({msg::kMarking.toString(), msg::kMarking.toString(), msg::kCheckRef.toString(),
                           msg::kFindNumbers.toString(), msg::kTalkNumbers.toString(),
                           msg::kRefNumbers.toString(), msg::kReplaceNumbers.toString(),
                           msg::kWriteText.toString(), msg::kWriteData.toString()}));
    EXPECT_EQ(out.report.start.size(), 8);
    EXPECT_EQ(out.report.end.size(), 8);
    EXPECT_TRUE(out.report.allEnded);
    EXPECT_TRUE(out.report.printed.isEmpty());
}

// Every Talk??.Dat of the folder goes first, whatever its case; other files stay, and
// they go even when the run then stops.
TEST(Run, EarlierDataFilesAreDeleted)
{
    for (bool stops : {false, true}) {
        QTemporaryDir dir;
        QDir folder(dir.path());
        for (const char* name : {"TalkAB.Dat", "talkzz.dat", "Talk1.Dat", "TalkABC.Dat", "Other.Dat"})
            writeFile(folder.filePath(QLatin1String(name)), "x");
        writeFile(folder.filePath(QStringLiteral("Story")), sourceBytes(kSource, Encoding::Cp932));
        Recorder report;
        tb::RunSettings settings;
        settings.folder = dir.path();
        settings.talkStart = stops ? QStringLiteral("1") : QStringLiteral("1100");
        EXPECT_EQ(tb::runConversion(settings, report), !stops);
        QStringList expected = {QStringLiteral("Other.Dat"), QStringLiteral("Story"),
                                QStringLiteral("Talk1.Dat"), QStringLiteral("TalkABC.Dat")};
        if (!stops)
            expected += {QStringLiteral("TalkDt.Dat"), QStringLiteral("TalkIx.Dat"), QStringLiteral("newStory")};
        QStringList names = folder.entryList(QDir::Files);
        names.sort();
        expected.sort();
        EXPECT_EQ(names, expected);
    }
}

TEST(Run, MissingSource)
{
    QTemporaryDir dir;
    Recorder report;
    tb::RunSettings settings;
    settings.folder = dir.path();
    EXPECT_FALSE(tb::runConversion(settings, report));
    EXPECT_EQ(report.printed, QStringList({msg::kCannotRead.toString() + dir.filePath(QStringLiteral("Story"))}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("TalkDt.Dat"))));
}

// A CP932 source is written back in CP932 with CR LF after every line, bare LF or not.
TEST(Encoding, Cp932SourceGetsCrLf)
{
    QByteArray source = cp932(QStringLiteral("// 会話\n':x   >1500 ①㊥⊿∴\r\nint x;"));
    Outcome out = convertBytes(source);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newBytes, cp932(QStringLiteral("// 会話\r\n':_...>1100 ①㊥⊿∴\r\nint x;\r\n")));
    EXPECT_EQ(talk(out, 1100), QStringLiteral("①㊥⊿∴"));
}

// A UTF-8 source is written back in UTF-8 with its own line ends and byte order mark;
// the data files are CP932 all the same.
TEST(Encoding, Utf8SourceKeepsItsForm)
{
    Options options;
    options.encoding = Encoding::Utf8;
    const QByteArray source = QStringLiteral("\uFEFF// 会話\n':x   >1500 ①㊥⊿∴\r\nint x;").toUtf8();
    Outcome out = convertBytes(source, options);
    ASSERT_TRUE(out.ok) << out.report.printed.join('\n').toStdString();
    EXPECT_EQ(out.newBytes, QStringLiteral("\uFEFF// 会話\n':_...>1100 ①㊥⊿∴\r\nint x;").toUtf8());
    EXPECT_EQ(out.data.mid(2), cp932(QStringLiteral("①㊥⊿∴")));
}

// Lines the run does not change keep their bytes, even where CP932 has two codes for
// one character.
TEST(Encoding, UnchangedLinesKeepTheirBytes)
{
    QByteArray source = cp932(QStringLiteral("':_...>1100 a∴\r\n"));
    source += QByteArray("// \xFA\x59\r\n");  // "№" in its IBM code, not the NEC one
    Outcome out = convertBytes(source);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.newBytes, source);
}

// Bytes that are neither UTF-8 nor CP932 stop the run, naming the line.
TEST(Encoding, NeitherUtf8NorCp932)
{
    QByteArray source = cp932(QStringLiteral("':_...>1100 あ∴\r\n"));
    source += QByteArray("bad \x81\r\n");
    Outcome out = convertBytes(source);
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.report.printed, QStringList({msg::kBadEncoding.toString() + QStringLiteral(" 2")}));
    EXPECT_FALSE(out.dataWritten);
}

// A talk text of a UTF-8 source that CP932 cannot hold stops the run before the data
// files are written.
TEST(Encoding, TalkTextOutsideCp932)
{
    Options options;
    options.encoding = Encoding::Utf8;
    Outcome out = convert({QStringLiteral("':_...>1100 ok∴"), QStringLiteral("':_...>1101 \U0001F600∴")}, options);
    EXPECT_FALSE(out.ok);
    ASSERT_EQ(out.report.printed.size(), 1);
    EXPECT_TRUE(out.report.printed[0].startsWith(msg::kNotCp932.toString() + QStringLiteral(" 2")));
    EXPECT_FALSE(out.dataWritten);
}
