// The window: its controls as designed, a run started by clicking Start, error lines on
// the surface, and the second click that ends the tool.
#include "Helpers.h"
#include "Messages.h"
#include "frmSifter.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tbtest;
namespace msg = tb::msg;

namespace {
void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool isRed(const QLabel* label) { return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }

// Whether anything darker than the background is drawn in the band of the surface
// where error lines go.
bool surfaceHasText(QWidget& window)
{
    const QImage image = window.grab().toImage();
    const QColor background = window.palette().color(QPalette::Window);
    for (int y = 150; y < 190 && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < background.lightness() - 60)
                return true;
    return false;
}
} // namespace

TEST(Window, ControlsAsDesigned)
{
    frmSifter window(QStringLiteral("/nonexistent"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("frmTalk"));
    auto label = [&](const char* name) { return window.findChild<QLabel*>(QLatin1String(name)); };
    ASSERT_NE(label("Label1"), nullptr);
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("Ｔａｌｋ開始番号"));
    ASSERT_NE(label("Label2"), nullptr);
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Ｒｅｆ開始番号"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtTalkNumber"))->text(), QStringLiteral("1100"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtRefNumber"))->text(), QStringLiteral("200"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("txtSrcFile"))->text(), QStringLiteral("Story"));
    QCheckBox* check = window.findChild<QCheckBox*>(QStringLiteral("Check1"));
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), QStringLiteral("番号の丸め"));
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdStart"))->text(), QStringLiteral("Start"));
    EXPECT_EQ(label("lblNowCommand")->text(), QStringLiteral("Now Command"));
    const QList<QLabel*> times = window.findChildren<QLabel*>(QStringLiteral("lblTime"));
    ASSERT_EQ(times.size(), 2);
    EXPECT_EQ(window.lblTime(0)->text(), QStringLiteral("start time"));
    EXPECT_EQ(window.lblTime(1)->text(), QStringLiteral("end time"));
    EXPECT_EQ(window.lblTime(1)->property("index").toInt(), 1);
}

// Start runs the stages on the tool's folder with the fields' values; the times and
// "All End" show in red; the button then reads "End" and ends the tool.
TEST(Window, StartRunsAndEndEnds)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Talks.txt")),
              sourceBytes({QStringLiteral("':_...>1500 a∴"), QStringLiteral("':/New=??01"),
                           QStringLiteral("':_...>1501 b∴")},
                          Encoding::Cp932));
    frmSifter window(dir.path());
    window.show();
    window.txtSrcFile()->setText(QStringLiteral("Talks.txt"));
    window.txtTalkNumber()->setText(QStringLiteral("2000"));
    window.Check1()->setChecked(true);

    QTest::mouseClick(window.cmdStart(), Qt::LeftButton);
    EXPECT_EQ(window.lblNowCommand()->text(), msg::kAllEnd.toString());
    EXPECT_TRUE(isRed(window.lblNowCommand()));
    EXPECT_TRUE(isRed(window.lblTime(0)));
    EXPECT_TRUE(isRed(window.lblTime(1)));
    EXPECT_EQ(window.lblTime(0)->text().size(), 8);
    EXPECT_EQ(window.cmdStart()->text(), QStringLiteral("End"));
    EXPECT_TRUE(window.printedLines().isEmpty());
    const QStringList lines = fromCp932([&] {
        QFile file(dir.filePath(QStringLiteral("newTalks.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(2), QStringLiteral("':_...>2101 b∴"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("TalkDt.Dat"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("TalkIx.Dat"))));

    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.cmdStart(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

// An error that stops the tool is printed on the surface and stays readable; the button
// reads "End" and the next click ends the tool.
TEST(Window, ErrorsArePrintedOnTheSurface)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Story")),
              sourceBytes({QStringLiteral("':#003>1100 同じ∴"), QStringLiteral("':%003>1101 違う∴")},
                          Encoding::Cp932));
    frmSifter window(dir.path());
    window.show();
    EXPECT_FALSE(surfaceHasText(window));
    QTest::mouseClick(window.cmdStart(), Qt::LeftButton);
    EXPECT_EQ(window.printedLines(), QStringList({msg::kRefDiffers.toString() + QStringLiteral(" 2"),
                                                  QStringLiteral(" ＃=同じ∴"), QStringLiteral(" ％=違う∴")}));
    EXPECT_TRUE(surfaceHasText(window));
    EXPECT_EQ(window.lblNowCommand()->text(), msg::kCheckRef.toString());
    EXPECT_EQ(window.lblTime(1)->text(), QStringLiteral("end time"));
    EXPECT_EQ(window.cmdStart()->text(), QStringLiteral("End"));
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(window.cmdStart(), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}
