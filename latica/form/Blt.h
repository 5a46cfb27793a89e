#pragma once
#include <QImage>

namespace form {

// Block copies between drawing surfaces (RGB32 images), clipped to both images.
enum class RasterOp { SrcCopy, SrcAnd, SrcPaint };

void bitBlt(QImage& dest, int x, int y, int width, int height, const QImage& src, int srcX,
            int srcY, RasterOp op = RasterOp::SrcCopy);

// Copies a source rectangle scaled into a destination rectangle (nearest pixel).
void stretchBlt(QImage& dest, int x, int y, int width, int height, const QImage& src,
                int srcX, int srcY, int srcWidth, int srcHeight);

} // namespace form
