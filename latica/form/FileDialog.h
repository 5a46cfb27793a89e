#pragma once
#include <QString>
#include <functional>

class QFileDialog;

namespace form {

// The open-file dialog: an existing file, chosen by the player. Returns the full path,
// or the empty text when the player cancels.
QString openFileDialog(const QString& title, const QString& folder, const QString& filter);

// Test hook: called with the dialog once it runs modally (a test picks a file or cancels).
void setFileDialogObserver(std::function<void(QFileDialog&)> observer);

} // namespace form
