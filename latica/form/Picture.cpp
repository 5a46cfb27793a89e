#include "Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace form {

namespace {

bool isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8");
}

// A JPEG ends with its end-of-image marker; writers may pad a few bytes after it.
bool jpegComplete(const QByteArray& bytes)
{
    const qsizetype end = bytes.lastIndexOf("\xFF\xD9");
    return end >= 2 && bytes.size() - end <= 64;
}

QImage failed(QString* fault, const QString& what)
{
    if (fault)
        *fault = what;
    return QImage();
}

} // namespace

QImage readPicture(const QString& path, QString* fault)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(fault, QStringLiteral("ファイルがありません"));
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return failed(fault, QStringLiteral("ファイルが空です"));
    if (isJpeg(bytes) && !jpegComplete(bytes))
        return failed(fault, QStringLiteral("ファイルが途中で切れています"));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull())
        return failed(fault, QStringLiteral("画像として読めません"));
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace form
