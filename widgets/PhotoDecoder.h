#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Decoding of album photos at the size they are shown. A camera picture is never decoded at
// full size, and a file whose header promises an absurd number of pixels is refused before
// anything is allocated for it.
namespace PhotoDecoder {

// Pictures whose decoder can shrink while decoding (JPEG decodes at down to 1/8 of its
// size) may be larger than those that are decoded whole and scaled afterwards.
constexpr qint64 kMaxPixelsScaledDecode = 200'000'000;
constexpr qint64 kMaxPixelsWholeDecode = 36'000'000;

// True when a picture of this stored size may be decoded.
bool IsAcceptableSize(const QSize& stored, bool decoderScales);

// The largest size inside box with the proportions of source, never larger than source.
QSize FitWithin(const QSize& source, const QSize& box);

enum class Fit {
    KeepProportions,  // as large as fits inside the box, never enlarged
    Stretch,          // exactly the box
};

// Decodes the file (format taken from its content, EXIF orientation applied) at a size
// decided by box and fit. Null image when the file is missing, not a picture, too large or
// when the box is empty.
QImage Decode(const QString& path, const QSize& box, Fit fit);

}  // namespace PhotoDecoder
