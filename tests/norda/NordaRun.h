#pragma once
// Runs the built norda as an author runs it.
#include <QString>
#include <QStringList>

namespace nordatest {

struct Run {
    int exitCode = -1;
    QString out, err;
};

Run norda(const QStringList& args);
// The test folder's sources and expected files (tests/norda).
QString testFile(const QString& name);

} // namespace nordatest
