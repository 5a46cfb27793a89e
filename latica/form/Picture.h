#pragma once
#include <QImage>
#include <QString>

namespace form {

// Reads a picture file whole into an RGB32 image. A file that is missing, empty, cut
// short (a JPEG without its end marker, which the decoder would fill up with grey) or
// not a picture gives a null image and, when asked, the fault in words.
QImage readPicture(const QString& path, QString* fault = nullptr);

} // namespace form
