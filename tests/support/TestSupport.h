#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// The folder of the repository's test data (tests/data).
QString dataPath(const QString& name);
// Writes bytes to a file, creating its folder; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// Text in CP932 with CR LF line ends, as the game's files are stored.
QByteArray cp932Lines(const QStringList& lines);

} // namespace testsupport

namespace form { class Control; class Widget; }

namespace testsupport {
// Clicks a windowless control with the left button, as the mouse would.
void click(form::Control* control);
// Presses a key on a widget (the key travels as a real key event).
void pressKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              const QString& text = QString());
} // namespace testsupport

namespace testsupport {
// A program folder of a test's own: every file of the build's program folder linked into
// a scratch folder, which plays the program folder while the object lives. A test takes
// files away or puts damaged ones in their place.
class ProgramFolderCopy {
public:
    ProgramFolderCopy();
    ~ProgramFolderCopy();
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }
    void remove(const QString& relative);
    // Puts the first `size` bytes of the file in place of its link.
    void truncate(const QString& relative, qint64 size);

private:
    QTemporaryDir m_dir;
};
} // namespace testsupport
