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

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "form/Container.h"
#include "form/Control.h"

namespace testsupport {

void click(form::Control* control)
{
    ASSERT_NE(control, nullptr);
    form::Container* on = control->container();
    ASSERT_NE(on, nullptr);
    const QPointF at = QRectF(control->rect()).center();
    const QPointF global = on->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(on, &release);
}

void pressKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace testsupport

#include <QDirIterator>

#include "form/ProgramFolder.h"

namespace testsupport {

ProgramFolderCopy::ProgramFolderCopy()
{
    const QDir build(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    QDirIterator it(build.path(), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = m_dir.filePath(build.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).absolutePath());
        EXPECT_TRUE(QFile::link(from, to)) << to.toStdString();
    }
    form::ProgramFolder::setPath(m_dir.path());
}

ProgramFolderCopy::~ProgramFolderCopy()
{
    form::ProgramFolder::setPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
}

void ProgramFolderCopy::remove(const QString& relative)
{
    EXPECT_TRUE(QFile::remove(filePath(relative))) << relative.toStdString();
}

void ProgramFolderCopy::truncate(const QString& relative, qint64 size)
{
    const QByteArray bytes = readFile(filePath(relative));
    ASSERT_GT(bytes.size(), size) << relative.toStdString();
    remove(relative);
    writeFile(filePath(relative), bytes.left(size));
}

} // namespace testsupport
