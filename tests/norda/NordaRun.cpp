#include "NordaRun.h"

#include <QProcess>

namespace nordatest {

Run norda(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(LATICA_BUILD_PROGRAM_DIR "/norda"), args);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run; // a crash or a hang shows as exit code -1
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString testFile(const QString& name)
{
    return QStringLiteral(LATICA_TESTS_DIR "/norda/") + name;
}

} // namespace nordatest
