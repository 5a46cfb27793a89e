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
