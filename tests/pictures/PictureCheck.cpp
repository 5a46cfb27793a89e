#include "PictureCheck.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "form/Cp932.h"

namespace pictures {

QByteArray programBytes(const QString& relativePath)
{
    QFile file(QStringLiteral(LATICA_BUILD_PROGRAM_DIR) + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage programPicture(const QString& relativePath)
{
    QImage image;
    image.loadFromData(programBytes(relativePath), "JPG");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QStringList faceCastNames()
{
    QStringList names;
    for (const QString& member : {QStringLiteral("姉"), QStringLiteral("兄"), QStringLiteral("父"), QStringLiteral("母")})
        for (int face = 1; face <= 5; ++face)
            names << member + QString::number(face);
    return names;
}

QStringList castNames()
{
    return faceCastNames() << QStringLiteral("背景スプライト") << QStringLiteral("流雲");
}

QRect frameRect(int n, int w, int h)
{
    return QRect((n - 1) * w, 0, w, h);
}

namespace {

int grey(QRgb c)
{
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}

int maxChannel(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)});
}

int minChannel(QRgb c)
{
    return std::min({qRed(c), qGreen(c), qBlue(c)});
}

} // namespace

QStringList castFaults(const QImage& strip, int w, int h, int margin, int tolerance)
{
    QStringList faults;
    if (strip.isNull() || w <= 0 || h <= 0 || strip.height() != 2 * h || strip.width() % w != 0)
        return {QStringLiteral("the picture is not a strip of %1 x %2 frames above their masks").arg(w).arg(h)};
    const int frames = strip.width() / w;
    for (int n = 0; n < frames; ++n) {
        const int left = n * w;
        // Which side of the mask each pixel lies on, read with a threshold of one half.
        QVector<char> figure(w * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                figure[y * w + x] = grey(strip.pixel(left + x, h + y)) < 128;
        int figurePixels = 0, backgroundPixels = 0, dirtyMask = 0, litBackground = 0, ringFigure = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool isFigure = figure[y * w + x];
                if (isFigure && (x == 0 || y == 0 || x == w - 1 || y == h - 1))
                    ++ringFigure;
                bool interior = true;
                for (int dy = -margin; dy <= margin && interior; ++dy)
                    for (int dx = -margin; dx <= margin && interior; ++dx) {
                        const int xx = x + dx, yy = y + dy;
                        if (xx >= 0 && yy >= 0 && xx < w && yy < h && figure[yy * w + xx] != isFigure)
                            interior = false;
                    }
                if (!interior)
                    continue;
                const QRgb mask = strip.pixel(left + x, h + y), frame = strip.pixel(left + x, y);
                if (isFigure) {
                    ++figurePixels;
                    dirtyMask += maxChannel(mask) > tolerance;
                } else {
                    ++backgroundPixels;
                    dirtyMask += minChannel(mask) < 255 - tolerance;
                    litBackground += maxChannel(frame) > tolerance;
                }
            }
        const QString where = QStringLiteral("frame %1: ").arg(n + 1);
        if (figurePixels == 0)
            faults << where + QStringLiteral("no figure in the mask");
        if (backgroundPixels == 0)
            faults << where + QStringLiteral("no background in the mask");
        if (dirtyMask)
            faults << where + QStringLiteral("%1 mask pixels neither black nor white").arg(dirtyMask);
        if (litBackground)
            faults << where + QStringLiteral("%1 frame pixels not black where the mask is white").arg(litBackground);
        if (ringFigure)
            faults << where + QStringLiteral("%1 figure pixels on the frame's outer ring").arg(ringFigure);
    }
    return faults;
}

Difference compare(const QImage& a, const QRect& areaA, const QImage& b, const QRect& areaB, int threshold)
{
    Difference d;
    int left = areaA.width(), top = areaA.height(), right = -1, bottom = -1;
    for (int y = 0; y < areaA.height(); ++y)
        for (int x = 0; x < areaA.width(); ++x) {
            const QRgb p = a.pixel(areaA.x() + x, areaA.y() + y), q = b.pixel(areaB.x() + x, areaB.y() + y);
            if (std::abs(qRed(p) - qRed(q)) > threshold || std::abs(qGreen(p) - qGreen(q)) > threshold
                || std::abs(qBlue(p) - qBlue(q)) > threshold) {
                ++d.count;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
    if (d.count)
        d.box = QRect(QPoint(left, top), QPoint(right, bottom));
    return d;
}

bool parseCastTable(const QByteArray& bytes, QVector<CastLine>* lines, QString* error)
{
    bool ok = false;
    const QString text = form::fromCp932(bytes, &ok);
    if (!ok) {
        *error = QStringLiteral("the table is not valid CP932");
        return false;
    }
    const QStringList rows = form::splitLines(text);
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    lines->clear();
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList fields = rows[i].split(QLatin1Char(','));
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        if (fields.size() != 22) {
            *error = where + QStringLiteral("%1 fields instead of 22").arg(fields.size());
            return false;
        }
        CastLine line;
        line.name = fields[0];
        if (line.name.isEmpty() || number.match(line.name).hasMatch()) {
            *error = where + QStringLiteral("the first field is not a cast name");
            return false;
        }
        for (int f = 1; f < 22; ++f) {
            if (!number.match(fields[f]).hasMatch()) {
                *error = where + QStringLiteral("field %1 (\"%2\") is not a whole number").arg(f + 1).arg(fields[f]);
                return false;
            }
            line.values << fields[f].toInt();
        }
        lines->append(line);
    }
    if (lines->isEmpty()) {
        *error = QStringLiteral("the table holds no line");
        return false;
    }
    return true;
}

} // namespace pictures
