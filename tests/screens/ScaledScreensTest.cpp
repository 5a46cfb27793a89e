// The main window drawn at the display scales of today's screens looks like its 1x picture
// scaled up: no seam, gap or cut text anywhere, the talk boxes and the board's cells
// included. The scale is fixed when the application starts, so each scale draws in a child
// run of this same test.
#include "board/BoardFixture.h"

#include "keypad/frmKeypad.h"
#include "stage/BuildStage.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTimer>
#include <cstdlib>

namespace {

const char* const ShotVariable = "LATICA_SCALED_SHOT";

class ScaledScreens : public BoardFixture {
protected:
    // A puzzle with entries on the board, the narrator's box beside the navigator's, and
    // the navigator's menu; the timers that blink stopped, so that each scale draws the
    // same moment.
    QImage drawScene()
    {
        BuildStage(game);
        ResetTalk(game);
        putUp({playfiles::catSection(1)});
        window.tmrKumi.setEnabled(false);  // the clock shows 00:00
        for (const int c : {1, 2})
            cell(1, c)->setCaption(game.cross.Mas[size_t(at(1, c))].Answer);
        QImage shot;
        QTimer player;
        QObject::connect(&player, &QTimer::timeout, [&] {
            if (talkEngine(game).TalkWait != 3 || !shot.isNull())
                return;
            player.stop();
            window.tmrTalkCursorBlink.setEnabled(false);
            form::waitFor(0.2);
            shot = window.grab().toImage();
            EndTalkWait(game, 1);
        });
        player.start(1);
        AdviserTalk(game, QStringLiteral("＃〈ようこそ、ラティカへ。　ことばのマスを　うめていきます。〉"
                                         "÷〈どちらに　しますか？〉『はい／いいえ』★"));
        return shot;
    }

    // The keypad window with a romaji on its way to a kana.
    QImage drawKeypad()
    {
        KeypadForm keypad([] {}, &window.tmrAnim);
        EXPECT_EQ(keypad.SetKeypad(), 1);
        keypad.ShowKeypad();
        keypad.RomaKanaConvWChr(QChar(u'K'));
        form::waitFor(0.2);
        return keypad.grab().toImage();
    }

    // The 1x picture of the child run at `scale`: the main window, or the keypad window.
    QImage shotAt(const QString& scale, bool keypad = false)
    {
        const QString path = scratch(QStringLiteral("shot-%1.png").arg(scale));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QString::fromLatin1(ShotVariable), path);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=ScaledScreens.LookLikeTheirOneTimesPictureScaledUp")});
        EXPECT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
        return QImage(keypad ? path + QStringLiteral(".keypad.png") : path).convertToFormat(QImage::Format_RGB32);
    }
};

// Where the 1x picture is one colour around a pixel (a box, a strip, a cell), every device
// pixel of the scaled picture that shows it has that colour: a seam or a gap onto what lies
// below shows there. Text and smoothing, which differ between scales, are never that close
// to such a pixel. Returns the 1x places that differ.
QStringList seams(const QImage& one, const QImage& scaled, double scale)
{
    constexpr int Around = 2, Tolerance = 24;
    QStringList faults;
    for (int dy = 0; dy < scaled.height(); ++dy) {
        const int y = int((dy + 0.5) / scale);
        for (int dx = 0; dx < scaled.width(); ++dx) {
            const int x = int((dx + 0.5) / scale);
            if (x < Around || y < Around || x >= one.width() - Around || y >= one.height() - Around)
                continue;
            const QRgb c = one.pixel(x, y);
            bool flat = true;
            for (int j = -Around; j <= Around && flat; ++j)
                for (int i = -Around; i <= Around && flat; ++i)
                    flat = one.pixel(x + i, y + j) == c;
            const QRgb d = scaled.pixel(dx, dy);
            if (flat && std::abs(qRed(c) - qRed(d)) + std::abs(qGreen(c) - qGreen(d)) + std::abs(qBlue(c) - qBlue(d)) >
                            Tolerance)
                faults << QStringLiteral("(%1,%2)").arg(x).arg(y);
        }
    }
    faults.removeDuplicates();
    return faults;
}

TEST_F(ScaledScreens, LookLikeTheirOneTimesPictureScaledUp)
{
    if (const char* shot = std::getenv(ShotVariable)) {
        // The child: draws at the scale it was started with.
        EXPECT_TRUE(drawScene().save(QString::fromLocal8Bit(shot)));
        EXPECT_TRUE(drawKeypad().save(QString::fromLocal8Bit(shot) + QStringLiteral(".keypad.png")));
        return;
    }
    for (const bool keypad : {false, true}) {
        const char* const which = keypad ? "the keypad window" : "the main window";
        const QImage one = shotAt(QStringLiteral("1"), keypad);
        ASSERT_FALSE(one.isNull()) << which;
        if (!keypad) {
            ASSERT_EQ(one.size(), QSize(MainForm::ClientWidth, MainForm::ClientHeight));
        }
        for (const double scale : {1.25, 1.5, 2.0}) {
            const QImage scaled = shotAt(QString::number(scale), keypad);
            ASSERT_EQ(scaled.size(), one.size() * scale) << which << " at " << scale;
            const QStringList faults = seams(one, scaled, scale);
            if (!faults.isEmpty() && std::getenv("LATICA_SHOT_DIR"))
                scaled.save(QDir(QString::fromLocal8Bit(std::getenv("LATICA_SHOT_DIR")))
                                .filePath(QStringLiteral("scaled-%1%2.png").arg(scale).arg(keypad ? "-keypad" : "")));
            EXPECT_TRUE(faults.isEmpty()) << which << " at " << scale << ", " << faults.size()
                                          << " pixels differ, first " << faults.mid(0, 12).join(u' ').toStdString();
        }
    }
}

} // namespace
