#include "frmSifter.h"

#include "Run.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kPrintTop = 150; // the surface below the controls, where errors are printed

template <typename T>
T* place(T* widget, const char* name, int x, int y, int w, int h)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

void setRed(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
}
} // namespace

frmSifter::frmSifter(const QString& folder, QWidget* parent)
    : QWidget(parent)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("frmSifter"));
    setWindowTitle(QStringLiteral("frmTalk"));
    resize(520, 400);

    place(new QLabel(QStringLiteral("Ｔａｌｋ開始番号"), this), "Label1", 16, 16, 120, 22);
    m_txtTalkNumber = place(new QLineEdit(QStringLiteral("1100"), this), "txtTalkNumber", 140, 16, 80, 22);
    place(new QLabel(QStringLiteral("Ｒｅｆ開始番号"), this), "Label2", 16, 46, 120, 22);
    m_txtRefNumber = place(new QLineEdit(QStringLiteral("200"), this), "txtRefNumber", 140, 46, 80, 22);
    m_txtSrcFile = place(new QLineEdit(QStringLiteral("Story"), this), "txtSrcFile", 240, 16, 160, 22);
    m_check1 = place(new QCheckBox(QStringLiteral("番号の丸め"), this), "Check1", 240, 46, 160, 22);
    m_cmdStart = place(new QPushButton(QStringLiteral("Start"), this), "cmdStart", 416, 16, 88, 52);
    m_lblNowCommand = place(new QLabel(QStringLiteral("Now Command"), this), "lblNowCommand", 16, 82, 488, 22);
    m_lblTime[0] = place(new QLabel(QStringLiteral("start time"), this), "lblTime", 16, 112, 160, 22);
    m_lblTime[1] = place(new QLabel(QStringLiteral("end time"), this), "lblTime", 240, 112, 160, 22);
    m_lblTime[0]->setProperty("index", 0);
    m_lblTime[1]->setProperty("index", 1);

    connect(m_cmdStart, &QPushButton::clicked, this, &frmSifter::cmdStart_Click);
}

void frmSifter::cmdStart_Click()
{
    if (m_cmdStart->text() == QLatin1String("End")) {
        close();
        return;
    }
    m_cmdStart->setText(QStringLiteral("End"));

    tb::RunSettings settings;
    settings.folder = m_folder;
    settings.source = m_txtSrcFile->text();
    settings.talkStart = m_txtTalkNumber->text();
    settings.refStart = m_txtRefNumber->text();
    settings.round = m_check1->isChecked();
    // An error that stops the tool leaves its lines on the surface; the next click ends it.
    tb::runConversion(settings, *this);
}

void frmSifter::progress(const QString& text)
{
    m_lblNowCommand->setText(text);
    repaint();
}

void frmSifter::print(const QString& line)
{
    m_printed.append(line);
    update();
}

void frmSifter::startTime(const QString& time)
{
    m_lblTime[0]->setText(time);
    setRed(m_lblTime[0]);
}

void frmSifter::endTime(const QString& time)
{
    m_lblTime[1]->setText(time);
    setRed(m_lblTime[1]);
}

void frmSifter::allEnd()
{
    m_lblNowCommand->setText(QStringLiteral("All End --- O K !"));
    setRed(m_lblNowCommand);
}

void frmSifter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int pitch = painter.fontMetrics().height();
    int y = kPrintTop + painter.fontMetrics().ascent();
    for (const QString& line : m_printed) {
        painter.drawText(8, y, line);
        y += pitch;
    }
}
