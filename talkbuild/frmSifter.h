#pragma once
#include "Reporter.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The tool's one window. Start runs the conversion on the files of the tool's folder;
// afterwards the button reads "End" and the next click ends the tool. Error lines are
// printed on the window's surface below the controls.
class frmSifter : public QWidget, private tb::Reporter {
    Q_OBJECT
public:
    explicit frmSifter(const QString& folder, QWidget* parent = nullptr);

    QLineEdit* txtTalkNumber() const { return m_txtTalkNumber; }
    QLineEdit* txtRefNumber() const { return m_txtRefNumber; }
    QLineEdit* txtSrcFile() const { return m_txtSrcFile; }
    QCheckBox* Check1() const { return m_check1; }
    QPushButton* cmdStart() const { return m_cmdStart; }
    QLabel* lblNowCommand() const { return m_lblNowCommand; }
    QLabel* lblTime(int index) const { return m_lblTime[index]; }
    // The lines printed on the surface so far.
    const QStringList& printedLines() const { return m_printed; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void cmdStart_Click();
    void progress(const QString& text) override;
    void print(const QString& line) override;
    void startTime(const QString& time) override;
    void endTime(const QString& time) override;
    void allEnd() override;

    QString m_folder;
    QLineEdit* m_txtTalkNumber;
    QLineEdit* m_txtRefNumber;
    QLineEdit* m_txtSrcFile;
    QCheckBox* m_check1;
    QPushButton* m_cmdStart;
    QLabel* m_lblNowCommand;
    QLabel* m_lblTime[2];
    QStringList m_printed;
};
