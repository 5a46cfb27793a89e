#include "Blt.h"

#include <algorithm>

namespace form {

void bitBlt(QImage& dest, int x, int y, int width, int height, const QImage& src, int srcX,
            int srcY, RasterOp op)
{
    if (dest.isNull() || src.isNull() || width <= 0 || height <= 0)
        return;
    // Clip against the source, then against the destination, moving both origins.
    if (srcX < 0) { x -= srcX; width += srcX; srcX = 0; }
    if (srcY < 0) { y -= srcY; height += srcY; srcY = 0; }
    if (x < 0) { srcX -= x; width += x; x = 0; }
    if (y < 0) { srcY -= y; height += y; y = 0; }
    width = std::min({width, src.width() - srcX, dest.width() - x});
    height = std::min({height, src.height() - srcY, dest.height() - y});
    if (width <= 0 || height <= 0)
        return;

    const QImage source = src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32
                              ? src
                              : src.convertToFormat(QImage::Format_RGB32);
    if (dest.format() != QImage::Format_RGB32 && dest.format() != QImage::Format_ARGB32)
        dest = dest.convertToFormat(QImage::Format_RGB32);

    for (int row = 0; row < height; ++row) {
        const auto* s = reinterpret_cast<const quint32*>(source.constScanLine(srcY + row)) + srcX;
        auto* d = reinterpret_cast<quint32*>(dest.scanLine(y + row)) + x;
        switch (op) {
        case RasterOp::SrcCopy:
            std::copy(s, s + width, d);
            break;
        case RasterOp::SrcAnd:
            for (int i = 0; i < width; ++i)
                d[i] = (d[i] & s[i]) | 0xFF000000u;
            break;
        case RasterOp::SrcPaint:
            for (int i = 0; i < width; ++i)
                d[i] = d[i] | s[i] | 0xFF000000u;
            break;
        }
    }
}

void stretchBlt(QImage& dest, int x, int y, int width, int height, const QImage& src,
                int srcX, int srcY, int srcWidth, int srcHeight)
{
    if (dest.isNull() || src.isNull() || width <= 0 || height <= 0 || srcWidth <= 0 ||
        srcHeight <= 0)
        return;
    if (dest.format() != QImage::Format_RGB32 && dest.format() != QImage::Format_ARGB32)
        dest = dest.convertToFormat(QImage::Format_RGB32);
    const QImage source = src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32
                              ? src
                              : src.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        const int dy = y + row;
        if (dy < 0 || dy >= dest.height())
            continue;
        const int sy = srcY + static_cast<int>(static_cast<long long>(row) * srcHeight / height);
        if (sy < 0 || sy >= source.height())
            continue;
        const auto* s = reinterpret_cast<const quint32*>(source.constScanLine(sy));
        auto* d = reinterpret_cast<quint32*>(dest.scanLine(dy));
        for (int col = 0; col < width; ++col) {
            const int dx = x + col;
            if (dx < 0 || dx >= dest.width())
                continue;
            const int sx = srcX + static_cast<int>(static_cast<long long>(col) * srcWidth / width);
            if (sx < 0 || sx >= source.width())
                continue;
            d[dx] = s[sx];
        }
    }
}

} // namespace form
