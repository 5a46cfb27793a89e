#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "form/Cp932.h"

namespace testsupport {

QString dataPath(const QString& name)
{
    return QStringLiteral(LATICA_TESTS_DIR) + QStringLiteral("/data/") + name;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray cp932Lines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        out += form::toCp932(line);
        out += "\r\n";
    }
    return out;
}

} // namespace testsupport
