#pragma once
// Readers and measurements for the pictures and cast tables that the build lays into the
// program folder. They are the tests' own and say what is wrong.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pictures {

// A picture below the build's program folder (null when it is missing or unreadable).
QImage programPicture(const QString& relativePath);
QByteArray programBytes(const QString& relativePath);

// The 20 face casts 姉1 .. 母5 and the two play-scene casts.
QStringList faceCastNames();
QStringList castNames();

// Checks the layout of a cast picture: `frames` frames of w x h above their masks. Pixels
// at least `margin` away from the edge between figure and background must be clean: the
// mask within `tolerance` of pure black or white, the frame within it of black where the
// mask is white. Every frame must hold some figure and some background, and the outermost
// ring of every frame must be background. Returns the faults found (empty = clean).
QStringList castFaults(const QImage& strip, int w, int h, int margin = 2, int tolerance = 24);

// How two areas of equal size differ: pixels with a channel differing by more than
// `threshold`, and the box round them (in the first area's coordinates).
struct Difference {
    int count = 0;
    QRect box;
};
Difference compare(const QImage& a, const QRect& areaA, const QImage& b, const QRect& areaB, int threshold = 40);
// Frame n (1-based) of a cast strip.
QRect frameRect(int n, int w, int h);

// One line of a cast table: the name and the 21 numbers after it.
struct CastLine {
    QString name;
    QVector<int> values;   // fields 2..22: width, height, x, y, active, ...
    int width() const { return values[0]; }
    int height() const { return values[1]; }
    int loopLast() const { return values[8]; }
    int field(int number) const { return values[number - 2]; }   // by 1-based field number
};
// Reads a cast table (CP932, CR LF): every line must hold 22 fields, the first a name and
// the rest whole numbers. False with a message naming the line on the first fault.
bool parseCastTable(const QByteArray& bytes, QVector<CastLine>* lines, QString* error);

} // namespace pictures
