#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Decoding of album photos at the size they are shown. A camera picture is never decoded at
// full size, and a file whose header promises an absurd number of pixels is refused before
// anything is allocated for it (PictureLimits).
namespace PhotoDecoder {

enum class Fit {
    KeepProportions,  // as large as fits inside the box, never enlarged
    Stretch,          // exactly the box
};

// Decodes the file (format taken from its content, EXIF orientation applied) at a size
// decided by box and fit. Null image when the file is missing, not a picture, too large or
// when the box is empty.
QImage Decode(const QString& path, const QSize& box, Fit fit);

}  // namespace PhotoDecoder
