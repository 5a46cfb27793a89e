// Batch mode: the interface builds and scripts use.
#include "Helpers.h"
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

namespace {
struct Result {
    int exitCode = -1;
    QString errors;
    QString output;
};

Result runTool(const QStringList& args, const QString& program = QStringLiteral(TALKBUILD_EXE))
{
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(30000));
    Result result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.errors = QString::fromUtf8(process.readAllStandardError());
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    return result;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kSource = {QStringLiteral("    AdviserTalk(1500);"), QStringLiteral("':_...>1500 a∴"),
                             QStringLiteral("    AdviserTalk(1500);"), QStringLiteral("':/New=???0"),
                             QStringLiteral("':#017>1501 b∴")};
} // namespace

// Every option given: the named source in the named folder, the start numbers, rounding.
TEST(Batch, AllOptions)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Script.cpp")), sourceBytes(kSource, Encoding::Utf8));
    Result r = runTool({QStringLiteral("--batch"), QStringLiteral("--folder"), dir.path(),
                        QStringLiteral("--source"), QStringLiteral("Script.cpp"),
                        QStringLiteral("--talk-start"), QStringLiteral("2000"),
                        QStringLiteral("--ref-start"), QStringLiteral("300"), QStringLiteral("--round")});
    EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
    EXPECT_TRUE(r.output.isEmpty());
    const QStringList lines = r.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.first(), msg::kMarking.toString());
    EXPECT_EQ(lines[8], msg::kWriteData.toString());
    EXPECT_EQ(lines.last(), msg::kAllEnd.toString());
    const QString rewritten = QString::fromUtf8(readFile(dir.filePath(QStringLiteral("newScript.cpp"))));
    EXPECT_EQ(rewritten.split(QStringLiteral("\r\n")).mid(2, 3),
              QStringList({QStringLiteral("    AdviserTalk(2000);"), QStringLiteral("':/New=???0"),
                           QStringLiteral("':#300>2010 b∴")}));
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("TalkIx.Dat"))).size(), 2010 * 4);
    EXPECT_FALSE(readFile(dir.filePath(QStringLiteral("TalkDt.Dat"))).isEmpty());
}

// Without options: the tool's own folder, the source "Story", starts 1100 and 200, no
// rounding.
TEST(Batch, Defaults)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("talkbuild"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TALKBUILD_EXE), copy));
    QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::ExeUser);
    writeFile(dir.filePath(QStringLiteral("Story")), sourceBytes(kSource, Encoding::Cp932));
    Result r = runTool({QStringLiteral("--batch")}, copy);
    EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
    const QStringList lines = fromCp932(readFile(dir.filePath(QStringLiteral("newStory")))).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.mid(2, 3), QStringList({QStringLiteral("    AdviserTalk(1100);"), QStringLiteral("':/New=???0"),
                                            QStringLiteral("':#200>1101 b∴")}));
}

// An error that stops the tool: its line on standard error and exit code 1.
TEST(Batch, StopsWithExitCodeOne)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Story")),
              sourceBytes({QStringLiteral("':%001>1100 a∴")}, Encoding::Cp932));
    Result r = runTool({QStringLiteral("--batch"), QStringLiteral("--folder"), dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errors.contains(msg::kRefUnknown.toString() + QStringLiteral(" ':%001>1100 a∴ >1\n")))
        << r.errors.toStdString();
    EXPECT_FALSE(r.errors.contains(msg::kAllEnd.toString()));

    Result start = runTool({QStringLiteral("--batch"), QStringLiteral("--folder"), dir.path(),
                            QStringLiteral("--talk-start"), QStringLiteral("7000")});
    EXPECT_EQ(start.exitCode, 1);
    EXPECT_EQ(start.errors, msg::kBadTalkStart.toString() + QStringLiteral("7000\n"));
}

// A reported error that does not stop the tool leaves the exit code at 0.
TEST(Batch, ReportedErrorThatGoesOn)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Story")),
              sourceBytes({QStringLiteral("':_...>1100 a"), QStringLiteral("x"), QStringLiteral("':          b∴")},
                          Encoding::Cp932));
    Result r = runTool({QStringLiteral("--batch"), QStringLiteral("--folder"), dir.path()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.errors.contains(msg::kNoEndMark.toString() + QStringLiteral(" 2 x\n")));
    EXPECT_TRUE(r.errors.contains(msg::kAllEnd.toString()));
}

TEST(Batch, BadArguments)
{
    for (const QStringList& args : {QStringList{QStringLiteral("--batch"), QStringLiteral("--folder")},
                                    QStringList{QStringLiteral("--batch"), QStringLiteral("--frobnicate")}}) {
        Result r = runTool(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.errors.startsWith(QStringLiteral("usage: talkbuild")));
    }
}
