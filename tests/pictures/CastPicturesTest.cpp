// The cast pictures: frames above masks, clean masks, and frames and faces that differ
// where the animation needs them to.
#include <gtest/gtest.h>

#include "PictureCheck.h"

using namespace pictures;

namespace {

constexpr int FaceW = 80, FaceH = 112;

QString castPath(const QString& name)
{
    return QStringLiteral("Picture/cast/%1.jpg").arg(name);
}

} // namespace

// Every face cast is a strip of nine 80 x 112 frames over their masks, drawn cleanly enough
// that the mask-AND, frame-OR drawing leaves no fringe on the background.
TEST(CastPictures, FaceStripsHaveNineFramesAndCleanMasks)
{
    for (const QString& name : faceCastNames()) {
        const QImage strip = programPicture(castPath(name));
        ASSERT_FALSE(strip.isNull()) << "missing " << name.toStdString();
        EXPECT_EQ(strip.size(), QSize(9 * FaceW, 2 * FaceH)) << name.toStdString();
        EXPECT_EQ(castFaults(strip, FaceW, FaceH), QStringList()) << name.toStdString();
    }
}

TEST(CastPictures, SceneCastsHaveCleanMasks)
{
    const QImage sprite = programPicture(castPath(QStringLiteral("背景スプライト")));
    const QImage cloud = programPicture(castPath(QStringLiteral("流雲")));
    EXPECT_EQ(sprite.size(), QSize(4 * 160, 2 * 128));
    EXPECT_EQ(cloud.size(), QSize(48, 2 * 32));
    EXPECT_EQ(castFaults(sprite, 160, 128), QStringList());
    EXPECT_EQ(castFaults(cloud, 48, 32), QStringList());
    // The sprite's frames sway: each differs from the next.
    for (int n = 1; n <= 4; ++n)
        EXPECT_GT(compare(sprite, frameRect(n, 160, 128), sprite, frameRect(n % 4 + 1, 160, 128)).count, 20) << n;
}

// The checker itself finds a fringe, a grey mask and a figure touching the frame's edge.
TEST(CastPictures, CheckerFindsDirtyMasks)
{
    QImage strip(40, 40, QImage::Format_RGB32);
    auto reset = [&] {
        strip.fill(Qt::black);
        for (int y = 20; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                strip.setPixel(x, y, (x >= 8 && x < 16 && y >= 26 && y < 34) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        for (int y = 20; y < 40; ++y)
            for (int x = 20; x < 40; ++x)
                strip.setPixel(x, y, strip.pixel(x - 20, y));
        for (int y = 6; y < 14; ++y)
            for (int x = 8; x < 16; ++x) {
                strip.setPixel(x, y, qRgb(200, 80, 60));
                strip.setPixel(x + 20, y, qRgb(60, 80, 200));
            }
    };
    reset();
    EXPECT_EQ(castFaults(strip, 20, 20), QStringList());
    strip.setPixel(23, 3, qRgb(60, 60, 60));    // lit background in frame 2
    EXPECT_EQ(castFaults(strip, 20, 20).size(), 1);
    reset();
    strip.setPixel(5, 34, qRgb(128, 128, 128)); // grey mask, away from the figure's edge
    EXPECT_EQ(castFaults(strip, 20, 20).size(), 1);
    reset();
    for (int y = 20; y < 40; ++y)               // frame 2 has no figure at all
        for (int x = 20; x < 40; ++x)
            strip.setPixel(x, y, qRgb(255, 255, 255));
    EXPECT_FALSE(castFaults(strip, 20, 20).isEmpty());
    reset();
    strip.setPixel(0, 30, qRgb(0, 0, 0));       // figure on the outer ring
    EXPECT_FALSE(castFaults(strip, 20, 20).isEmpty());
    EXPECT_FALSE(castFaults(strip, 15, 20).isEmpty()) << "a width that does not divide the strip";
}

// Frames 2-5 (blink and nod) differ from the resting frame 1; the talking frames 6-9
// change only a small area round the mouth, and each differs from the next.
TEST(CastPictures, IdleAndTalkingFramesDiffer)
{
    for (const QString& name : faceCastNames()) {
        const QImage strip = programPicture(castPath(name));
        ASSERT_FALSE(strip.isNull()) << name.toStdString();
        const QRect rest = frameRect(1, FaceW, FaceH);
        for (int n = 2; n <= 5; ++n)
            EXPECT_GE(compare(strip, frameRect(n, FaceW, FaceH), strip, rest).count, 15)
                << name.toStdString() << " frame " << n;
        for (int n = 6; n <= 9; ++n) {
            const Difference d = compare(strip, frameRect(n, FaceW, FaceH), strip, rest);
            EXPECT_GE(d.count, 4) << name.toStdString() << " frame " << n;
            EXPECT_LE(d.box.width(), 14) << name.toStdString() << " frame " << n;
            EXPECT_LE(d.box.height(), 10) << name.toStdString() << " frame " << n;
            EXPECT_TRUE(d.box.center().y() > 20 && d.box.center().y() < 60)
                << name.toStdString() << " frame " << n << ": change not at the mouth";
            const int next = n == 9 ? 6 : n + 1;
            EXPECT_GE(compare(strip, frameRect(n, FaceW, FaceH), strip, frameRect(next, FaceW, FaceH), 30).count, 3)
                << name.toStdString() << " frames " << n << " and " << next;
        }
    }
}

// Faces 1..5 of a member differ from one another, and the four members differ clearly.
TEST(CastPictures, FacesAndMembersDiffer)
{
    const QStringList names = faceCastNames();
    const QRect rest = frameRect(1, FaceW, FaceH);
    for (int member = 0; member < 4; ++member)
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b) {
                const QImage x = programPicture(castPath(names[member * 5 + a]));
                const QImage y = programPicture(castPath(names[member * 5 + b]));
                EXPECT_GE(compare(x, rest, y, rest).count, 60)
                    << names[member * 5 + a].toStdString() << " and " << names[member * 5 + b].toStdString();
            }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            const QImage x = programPicture(castPath(names[a * 5 + 3]));
            const QImage y = programPicture(castPath(names[b * 5 + 3]));
            EXPECT_GE(compare(x, rest, y, rest).count, 1500)
                << names[a * 5 + 3].toStdString() << " and " << names[b * 5 + 3].toStdString();
        }
}

// Every member stands on the same line at the bottom of the frame, so that the family
// stands on one floor in the opening and the adviser on the path of the play stage.
TEST(CastPictures, FiguresStandOnOneFootLine)
{
    for (const QString& name : faceCastNames()) {
        const QImage strip = programPicture(castPath(name));
        ASSERT_FALSE(strip.isNull()) << name.toStdString();
        int lowest = -1;
        for (int y = 0; y < FaceH; ++y)
            for (int x = 0; x < FaceW; ++x)
                if (qGray(strip.pixel(x, FaceH + y)) < 128)
                    lowest = y;
        EXPECT_GE(lowest, FaceH - 6) << name.toStdString();
        EXPECT_LE(lowest, FaceH - 3) << name.toStdString();
    }
}
