#pragma once
// Drawing helpers shared by every picture: supersampled painting, the cast strip with its
// mask row, deterministic texture noise and the JPEG writer.
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>
#include <functional>

class QPainter;

namespace genpictures {

using Painting = std::function<void(QPainter&)>;

// Paints at `scale` times the size in the picture's own coordinates and shrinks the result
// with smoothing, so that small features come out anti-aliased. `fill` is the starting
// colour (transparent for figures).
QImage paintSupersampled(QSize size, int scale, const QColor& fill, const Painting& paint);

// Lays frames (transparent figures of one size) side by side in the top row and their
// masks beneath. A pixel belongs to the figure when its alpha is at least one half: the
// frame keeps its colour there and is pure black elsewhere; the mask is black on the figure
// and white elsewhere. The outermost pixel ring of every frame is kept background, so that
// neighbouring frames never touch.
QImage castStrip(const QVector<QImage>& frames);

// A repeatable value in [0, 1) for a pixel position and a seed.
double noise(int x, int y, unsigned seed);
// Adds a faint grain of +-amount to every colour channel (paper and wood textures).
void addGrain(QImage& image, int amount, unsigned seed);

// Mixes two colours: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Writes the picture as a JPEG of quality 95; false with a message on failure.
bool saveJpeg(const QImage& image, const QString& path, QString* error);

} // namespace genpictures
