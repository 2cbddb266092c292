#pragma once

#include <QSize>
#include <QtGlobal>

// The one decoding policy for every picture the program shows (catalogue pictures, catch
// pictures, album photos): picture files come from anywhere, so a header that claims more
// pixels than can sensibly be decoded is refused before anything is allocated.
namespace PictureLimits {

// Pictures whose decoder shrinks while decoding (JPEG, down to 1/8) are judged by their
// header's claim alone: about 16000 x 15600 at most.
constexpr qint64 kMaxPixelsScaledDecode = 250'000'000;
// Other formats are decoded whole before being scaled down: kept under 128 MB at four bytes
// a pixel, the decoder's own default allocation limit.
constexpr qint64 kMaxPixelsWholeDecode = 32LL * 1024 * 1024;

// True when a picture of this stored size may be decoded.
inline bool IsDecodableSize(const QSize& stored, bool decoderScales) {
    if (stored.width() <= 0 || stored.height() <= 0) return false;
    const qint64 pixels = qint64(stored.width()) * qint64(stored.height());
    return pixels <= (decoderScales ? kMaxPixelsScaledDecode : kMaxPixelsWholeDecode);
}

// The largest size inside box with the proportions of source, never larger than source.
inline QSize FitWithin(const QSize& source, const QSize& box) {
    if (source.isEmpty() || box.isEmpty()) return {};
    if (source.width() <= box.width() && source.height() <= box.height()) return source;
    // A very flat picture would otherwise shrink to nothing along one side.
    return source.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

}  // namespace PictureLimits
