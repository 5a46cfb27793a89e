#include "FileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

namespace form {

namespace {
std::function<void(QFileDialog&)> g_observer;
}

void setFileDialogObserver(std::function<void(QFileDialog&)> observer)
{
    g_observer = std::move(observer);
}

QString openFileDialog(const QString& title, const QString& folder, const QString& filter)
{
    QFileDialog dialog(QApplication::activeWindow(), title, folder, filter);
    // The dialog of our own toolkit behaves the same on every desktop and under test.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (g_observer)
        QTimer::singleShot(0, &dialog, [&dialog] { g_observer(dialog); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

} // namespace form
