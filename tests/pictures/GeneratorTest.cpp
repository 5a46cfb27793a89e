// The picture generator: the same pictures on every run, the same as the build's, and a
// clear refusal of a wrong command line or a folder it cannot write.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "PictureCheck.h"
#include "support/TestSupport.h"

namespace {

QString generator()
{
    return QDir::cleanPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR) + QStringLiteral("/../tools/genpictures/genpictures"));
}

struct GeneratorRun {
    int exitCode = -1;
    QByteArray errors;
};

GeneratorRun runGenerator(const QStringList& arguments)
{
    QProcess process;
    process.start(generator(), arguments);
    GeneratorRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError();
    return run;
}

QStringList filesBelow(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

TEST(Generator, TwoRunsWriteTheSameBytesAsTheBuild)
{
    ASSERT_TRUE(QFileInfo::exists(generator())) << generator().toStdString();
    QTemporaryDir first, second;
    ASSERT_EQ(runGenerator({first.path()}).exitCode, 0);
    ASSERT_EQ(runGenerator({second.path()}).exitCode, 0);
    const QStringList files = filesBelow(first.path());
    EXPECT_EQ(files.size(), 22 + 2 + 14);
    EXPECT_EQ(filesBelow(second.path()), files);
    for (const QString& file : files) {
        const QByteArray bytes = testsupport::readFile(first.filePath(file));
        EXPECT_FALSE(bytes.isEmpty()) << file.toStdString();
        EXPECT_EQ(bytes, testsupport::readFile(second.filePath(file))) << file.toStdString();
        EXPECT_EQ(bytes, pictures::programBytes(file)) << file.toStdString() << " differs from the build's";
    }
}

TEST(Generator, RefusesBadCommandLinesAndUnwritableFolders)
{
    ASSERT_TRUE(QFileInfo::exists(generator()));
    GeneratorRun run = runGenerator({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains("usage")) << run.errors.constData();
    EXPECT_EQ(runGenerator({QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);

    // A plain file where the program folder should be: nothing can be written below it.
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    testsupport::writeFile(blocker, "not a folder");
    run = runGenerator({blocker});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("cannot create")) << run.errors.constData();
}
