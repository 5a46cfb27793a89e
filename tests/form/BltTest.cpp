#include <gtest/gtest.h>

#include "form/Blt.h"

namespace {

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(BitBlt, CopiesAndClipsAtEveryEdge)
{
    QImage dest = filled(10, 10, qRgb(0, 0, 0));
    const QImage src = filled(4, 4, qRgb(255, 0, 0));
    form::bitBlt(dest, -2, -2, 4, 4, src, 0, 0);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(dest.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(dest.pixel(2, 2), qRgb(0, 0, 0));
    // Runs past the right and bottom edges, and past the source: nothing outside is touched.
    form::bitBlt(dest, 8, 8, 10, 10, src, 2, 2);
    EXPECT_EQ(dest.pixel(9, 9), qRgb(255, 0, 0));
    EXPECT_EQ(dest.pixel(7, 7), qRgb(0, 0, 0));
    form::bitBlt(dest, 0, 0, 5, 5, src, 10, 10); // source origin outside: no copy
    EXPECT_EQ(dest.pixel(3, 3), qRgb(0, 0, 0));
}

TEST(BitBlt, MaskAndThenPaintDrawsOnlyTheFigure)
{
    QImage dest = filled(2, 1, qRgb(10, 20, 30));
    QImage mask(2, 1, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(255, 255, 255)); // background shows
    mask.setPixel(1, 0, qRgb(0, 0, 0));       // figure
    QImage frame(2, 1, QImage::Format_RGB32);
    frame.setPixel(0, 0, qRgb(0, 0, 0));
    frame.setPixel(1, 0, qRgb(200, 100, 50));
    form::bitBlt(dest, 0, 0, 2, 1, mask, 0, 0, form::RasterOp::SrcAnd);
    form::bitBlt(dest, 0, 0, 2, 1, frame, 0, 0, form::RasterOp::SrcPaint);
    EXPECT_EQ(dest.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(dest.pixel(1, 0), qRgb(200, 100, 50));
}

TEST(StretchBlt, ScalesAndStaysInside)
{
    QImage src(2, 2, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(1, 1, 1));
    src.setPixel(1, 0, qRgb(2, 2, 2));
    src.setPixel(0, 1, qRgb(3, 3, 3));
    src.setPixel(1, 1, qRgb(4, 4, 4));
    QImage dest = filled(4, 4, qRgb(0, 0, 0));
    form::stretchBlt(dest, 0, 0, 4, 4, src, 0, 0, 2, 2);
    EXPECT_EQ(dest.pixel(1, 1), qRgb(1, 1, 1));
    EXPECT_EQ(dest.pixel(3, 0), qRgb(2, 2, 2));
    EXPECT_EQ(dest.pixel(0, 3), qRgb(3, 3, 3));
    EXPECT_EQ(dest.pixel(3, 3), qRgb(4, 4, 4));
    // A source rectangle reaching outside the source reads nothing from outside.
    QImage small = filled(3, 3, qRgb(9, 9, 9));
    form::stretchBlt(small, -1, -1, 6, 6, src, 1, 1, 4, 4);
    EXPECT_EQ(small.pixel(2, 2), qRgb(9, 9, 9));
}

} // namespace
