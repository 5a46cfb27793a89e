// The world pictures and the main window's pictures: sizes, plain areas for the labels'
// text, and the buttons of the dial and the scroll bars where the window expects them.
#include <gtest/gtest.h>

#include <cmath>

#include "PictureCheck.h"

using namespace pictures;

namespace {

QImage sysPicture(const char* name)
{
    return programPicture(QStringLiteral("sys/Picture/%1.jpg").arg(QString::fromUtf8(name)));
}

// Mean and spread of the grey level over an area.
void greyStats(const QImage& image, const QRect& area, double* mean, double* spread)
{
    double sum = 0, squares = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double g = qGray(image.pixel(x, y));
            sum += g;
            squares += g * g;
        }
    const double n = double(area.width()) * area.height();
    *mean = sum / n;
    *spread = std::sqrt(std::max(0.0, squares / n - *mean * *mean));
}

// Pixels in an area that are clearly warm orange (the lit dial buttons).
int orangePixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            count += qRed(c) > 200 && qRed(c) - qBlue(c) > 120;
        }
    return count;
}

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 120;
    return count;
}

} // namespace

TEST(ScreenPictures, EveryPictureHasTheSizeOfItsPlace)
{
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {"Picture/WorldPicture/オープニング背景.jpg", {385, 330}}, {"Picture/WorldPicture/背景(160x123).jpg", {160, 123}},
        {"sys/Picture/基本背景.jpg", {774, 592}},      {"sys/Picture/タイトル欄.jpg", {385, 70}},
        {"sys/Picture/レベル欄.jpg", {105, 44}},       {"sys/Picture/問題番号欄.jpg", {105, 70}},
        {"sys/Picture/タイマー欄.jpg", {105, 44}},     {"sys/Picture/アドバイス枠.jpg", {168, 136}},
        {"sys/Picture/ダイヤル周り.jpg", {168, 140}},  {"sys/Picture/出題文欄.jpg", {540, 118}},
        {"sys/Picture/キー表示用ボタン.jpg", {105, 30}}, {"sys/Picture/ダイヤル左右.jpg", {132, 124}},
        {"sys/Picture/ダイヤル上下.jpg", {132, 124}},  {"sys/Picture/スクロール上下.jpg", {22, 330}},
        {"sys/Picture/スクロール左右.jpg", {385, 22}}, {"sys/Picture/キーパット.jpg", {252, 65}},
    };
    for (const auto& picture : pictures) {
        const QImage image = programPicture(QString::fromUtf8(picture.path));
        ASSERT_FALSE(image.isNull()) << "missing " << picture.path;
        EXPECT_EQ(image.size(), picture.size) << picture.path;
    }
}

// Labels draw their text straight onto these panels: the middle of each must be light and
// plain.
TEST(ScreenPictures, TextPanelsHavePlainLightMiddles)
{
    const struct {
        const char* name;
        QRect middle;
    } panels[] = {
        {"タイトル欄", QRect(48, 12, 289, 44)}, {"レベル欄", QRect(9, 9, 87, 26)},
        {"問題番号欄", QRect(9, 9, 87, 52)},    {"タイマー欄", QRect(9, 9, 87, 26)},
        {"出題文欄", QRect(12, 12, 516, 94)},   {"キー表示用ボタン", QRect(12, 7, 81, 18)},
    };
    for (const auto& panel : panels) {
        const QImage image = sysPicture(panel.name);
        ASSERT_FALSE(image.isNull()) << panel.name;
        double mean = 0, spread = 0;
        greyStats(image, panel.middle, &mean, &spread);
        EXPECT_GT(mean, 215) << panel.name;
        EXPECT_LT(spread, 8) << panel.name;
    }
}

// The lit pair of arrows shows the direction the dial moves in: left and right on
// "ダイヤル左右", up and down on "ダイヤル上下". Outside the five buttons the two agree.
TEST(ScreenPictures, DialsLightTheirOwnPairOfButtons)
{
    const QImage across = sysPicture("ダイヤル左右"), down = sysPicture("ダイヤル上下");
    ASSERT_FALSE(across.isNull());
    ASSERT_FALSE(down.isNull());
    const QRect up(46, 4, 40, 34), below(46, 86, 40, 34), left(4, 42, 40, 40), right(88, 42, 40, 40),
        turn(48, 44, 36, 36);
    for (const QRect& lit : {left, right}) {
        EXPECT_GT(orangePixels(across, lit), 120);
        EXPECT_EQ(orangePixels(down, lit), 0);
    }
    for (const QRect& lit : {up, below}) {
        EXPECT_GT(orangePixels(down, lit), 120);
        EXPECT_EQ(orangePixels(across, lit), 0);
    }
    EXPECT_GT(darkPixels(across, turn), 20) << "the turn button carries its symbol";
    int differing = 0;
    for (int y = 0; y < 124; ++y)
        for (int x = 0; x < 132; ++x) {
            const QPoint p(x, y);
            if (up.contains(p) || below.contains(p) || left.contains(p) || right.contains(p) || turn.contains(p))
                continue;
            differing += std::abs(qGray(across.pixel(p)) - qGray(down.pixel(p))) > 24;
        }
    EXPECT_EQ(differing, 0);
}

// Each scroll bar carries an arrow on each of its four buttons and a plain track between.
TEST(ScreenPictures, ScrollBarsHoldArrowsOnTheirButtons)
{
    const QImage across = sysPicture("スクロール左右"), down = sysPicture("スクロール上下");
    ASSERT_FALSE(across.isNull());
    ASSERT_FALSE(down.isNull());
    const int acrossButtons[4][2] = {{0, 40}, {44, 84}, {301, 341}, {345, 385}};
    const int downButtons[4][2] = {{0, 40}, {44, 84}, {246, 286}, {290, 330}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_GT(darkPixels(across, QRect(acrossButtons[i][0] + 6, 4, 28, 14)), 15) << i;
        EXPECT_GT(darkPixels(down, QRect(4, downButtons[i][0] + 6, 14, 28)), 15) << i;
    }
    EXPECT_EQ(darkPixels(across, QRect(90, 0, 205, 22)), 0);
    EXPECT_EQ(darkPixels(down, QRect(0, 90, 22, 150)), 0);
}
