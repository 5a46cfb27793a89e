#include "DialogScript.h"

#include "form/FileDialog.h"
#include "form/MessageBox.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QFileDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

QMessageBox::ButtonRole roleOf(int code)
{
    switch (code) {
    case form::Answer::Yes: return QMessageBox::YesRole;
    case form::Answer::No: return QMessageBox::NoRole;
    case form::Answer::Cancel: return QMessageBox::RejectRole;
    default: return QMessageBox::AcceptRole;
    }
}

} // namespace

DialogScript::DialogScript()
{
    form::setMessageBoxObserver([this](QMessageBox& box) {
        titles << box.windowTitle();
        bodies << box.text();
        if (probe)
            probe();
        if (m_answers.empty() && !strict) {
            if (QAbstractButton* button = box.defaultButton())
                button->click();
            else
                box.reject();
            return;
        }
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected message box: " << box.windowTitle().toStdString();
            box.reject();
            return;
        }
        const int code = m_answers.front();
        m_answers.pop_front();
        for (QAbstractButton* button : box.buttons()) {
            if (box.buttonRole(button) == roleOf(code)) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << code << " on " << box.windowTitle().toStdString();
        box.reject();
    });
    form::setFileDialogObserver([this](QFileDialog& dialog) {
        ++dialogsShown;
        if (m_files.empty()) {
            ADD_FAILURE() << "unexpected open dialog";
            dialog.reject();
            return;
        }
        const QString path = m_files.front();
        m_files.pop_front();
        if (path.isEmpty()) {
            dialog.reject();
            return;
        }
        // A player can pick only what the dialog lists.
        QStringList patterns;
        for (const QString& filter : dialog.nameFilters()) {
            const QString inside = filter.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0);
            patterns += inside.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        }
        if (!QDir::match(patterns, QFileInfo(path).fileName()))
            ADD_FAILURE() << "the open dialog does not list " << path.toStdString();
        dialog.selectFile(path);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
}

DialogScript::~DialogScript()
{
    form::setMessageBoxObserver(nullptr);
    form::setFileDialogObserver(nullptr);
    if (!strict)
        return;
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " message box answers left unused";
    EXPECT_TRUE(m_files.empty()) << m_files.size() << " open dialog choices left unused";
}
