#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace form {

namespace {
std::function<void(QMessageBox&)> g_observer;
}

void setMessageBoxObserver(std::function<void(QMessageBox&)> observer)
{
    g_observer = std::move(observer);
}

int messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
               DefaultButton defaultButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }

    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    int firstCode = Answer::Ok, secondCode = Answer::Cancel;
    switch (buttons) {
    case Buttons::Ok:
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(first);
        break;
    case Buttons::OkCancel:
        first = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
        box.setEscapeButton(second);
        break;
    case Buttons::YesNo: {
        first = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        second = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        firstCode = Answer::Yes;
        secondCode = Answer::No;
        // Escape and the close box answer neither question: they press this unseen button
        // and the box returns Cancel. Without it the toolkit would take them for No.
        QPushButton* dismiss = box.addButton(QMessageBox::Cancel);
        dismiss->hide();
        box.setEscapeButton(dismiss);
        break;
    }
    }
    box.setDefaultButton(defaultButton == DefaultButton::Second && second ? second : first);

    if (g_observer) {
        // The observer acts once the box runs, as a user would.
        QTimer::singleShot(0, &box, [&box] { g_observer(box); });
    }
    box.exec();
    if (box.clickedButton() == first)
        return firstCode;
    if (second && box.clickedButton() == second)
        return secondCode;
    // Dismissed: Escape or the close box.
    if (buttons == Buttons::YesNo)
        return Answer::Cancel;
    return second ? secondCode : firstCode;
}

} // namespace form
