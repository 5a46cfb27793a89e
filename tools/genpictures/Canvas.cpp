#include "Canvas.h"

#include <QImageWriter>
#include <QPainter>
#include <algorithm>

namespace genpictures {

QImage paintSupersampled(QSize size, int scale, const QColor& fill, const Painting& paint)
{
    QImage big(size * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(fill);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paint(painter);
    }
    if (scale == 1)
        return big;
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage castStrip(const QVector<QImage>& frames)
{
    const int w = frames.first().width(), h = frames.first().height();
    QImage strip(w * int(frames.size()), h * 2, QImage::Format_RGB32);
    for (int n = 0; n < frames.size(); ++n) {
        const QImage frame = frames[n].convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < h; ++y) {
            const QRgb* in = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            QRgb* top = reinterpret_cast<QRgb*>(strip.scanLine(y)) + n * w;
            QRgb* mask = reinterpret_cast<QRgb*>(strip.scanLine(y + h)) + n * w;
            for (int x = 0; x < w; ++x) {
                const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                const bool figure = !border && qAlpha(in[x]) >= 128;
                if (figure) {
                    const QRgb c = qUnpremultiply(in[x]);
                    top[x] = qRgb(qRed(c), qGreen(c), qBlue(c));
                    mask[x] = qRgb(0, 0, 0);
                } else {
                    top[x] = qRgb(0, 0, 0);
                    mask[x] = qRgb(255, 255, 255);
                }
            }
        }
    }
    return strip;
}

double noise(int x, int y, unsigned seed)
{
    // A small integer hash (xorshift-multiply): the same on every platform.
    unsigned h = unsigned(x) * 374761393u + unsigned(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffffu) / double(0x1000000);
}

void addGrain(QImage& image, int amount, unsigned seed)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(noise(x, y, seed) * (2 * amount + 1)) - amount;
            line[x] = qRgb(std::clamp(qRed(line[x]) + d, 0, 255),
                           std::clamp(qGreen(line[x]) + d, 0, 255),
                           std::clamp(qBlue(line[x]) + d, 0, 255));
        }
    }
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto lerp = [t](int p, int q) { return int(p + (q - p) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

bool saveJpeg(const QImage& image, const QString& path, QString* error)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(95);
    if (writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return true;
    *error = path + QStringLiteral(": ") + writer.errorString();
    return false;
}

} // namespace genpictures
