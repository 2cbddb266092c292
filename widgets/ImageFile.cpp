#include "widgets/ImageFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRect>
#include <cstdlib>

#include "catalog/PictureFiles.h"
#include "widgets/PictureLimits.h"

namespace {

// A picture file larger than this is not read at all (no camera writes such files).
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

using Bytes = const unsigned char*;

quint32 ReadLe32(Bytes p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 ReadLe16(Bytes p) { return quint16(p[0] | p[1] << 8); }

// Walks the segments of a JPEG stream up to its end-of-image marker. Segment lengths are
// followed (so a thumbnail inside an EXIF block is skipped whole), and the entropy-coded
// data after each start-of-scan is passed over up to the next real marker.
bool JpegIsComplete(const QByteArray& data) {
    const auto* p = reinterpret_cast<Bytes>(data.constData());
    const qint64 n = data.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8) return false;
    qint64 i = 2;
    while (i + 1 < n) {
        if (p[i] != 0xFF) return false;
        const unsigned char marker = p[i + 1];
        if (marker == 0xFF) {  // fill byte before a marker
            ++i;
            continue;
        }
        i += 2;
        if (marker == 0xD9) return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (i + 1 >= n) return false;
        const int length = p[i] << 8 | p[i + 1];
        if (length < 2) return false;
        i += length;
        if (marker != 0xDA) continue;
        while (i + 1 < n) {
            const unsigned char next = p[i + 1];
            if (p[i] == 0xFF && next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) break;
            ++i;
        }
    }
    return false;
}

// Skips a chain of GIF data sub-blocks; false when the data ends before its terminator.
bool SkipGifSubBlocks(Bytes p, qint64 n, qint64& i) {
    while (i < n) {
        const int size = p[i++];
        if (size == 0) return true;
        i += size;
    }
    return false;
}

qint64 GifColourTableBytes(unsigned char flags) {
    return (flags & 0x80) ? 3LL * (2 << (flags & 0x07)) : 0;
}

// A GIF is complete once at least one image's data has been read to its terminator and
// no block after it is cut short.
bool GifIsComplete(const QByteArray& data) {
    const auto* p = reinterpret_cast<Bytes>(data.constData());
    const qint64 n = data.size();
    if (n < 13) return false;
    qint64 i = 13 + GifColourTableBytes(p[10]);
    bool hasImage = false;
    while (i < n) {
        const unsigned char block = p[i++];
        if (block == 0x3B) return hasImage;
        if (block == 0x21) {
            if (++i > n || !SkipGifSubBlocks(p, n, i)) return false;
        } else if (block == 0x2C) {
            if (i + 9 > n) return false;
            i += 9 + GifColourTableBytes(p[i + 8]) + 1;  // descriptor, local table, code size
            if (!SkipGifSubBlocks(p, n, i)) return false;
            hasImage = true;
        } else {
            return hasImage;  // trailing bytes after a whole image
        }
    }
    return hasImage;
}

// An uncompressed BMP must hold all the rows its header announces.
bool BmpIsComplete(const QByteArray& data) {
    const auto* p = reinterpret_cast<Bytes>(data.constData());
    const qint64 n = data.size();
    if (n < 26) return false;
    const qint64 offset = ReadLe32(p + 10);
    const quint32 headerSize = ReadLe32(p + 14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = ReadLe16(p + 18);
        height = ReadLe16(p + 20);
        bits = ReadLe16(p + 24);
    } else if (headerSize >= 40 && n >= 34) {
        width = qint32(ReadLe32(p + 18));
        height = qint32(ReadLe32(p + 22));
        bits = ReadLe16(p + 28);
        compression = ReadLe32(p + 30);
    } else {
        return false;
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed) return true;  // run-length data: the decoder checks it
    const qint64 stride = (std::abs(width) * bits + 31) / 32 * 4;
    return offset + stride * std::abs(height) <= n;
}

bool IsComplete(const QByteArray& format, const QByteArray& data) {
    if (format == "jpeg") return JpegIsComplete(data);
    if (format == "gif") return GifIsComplete(data);
    if (format == "bmp") return BmpIsComplete(data);
    return true;  // png: its decoder already refuses a cut file
}

bool IsAcceptedFormat(const QByteArray& format) {
    return format == "jpeg" || format == "gif" || format == "bmp" || format == "png";
}

}  // namespace

QSize CImageFile::DecodeSize(const QSize& natural, const QSize& maxSize) {
    if (natural.isEmpty()) return natural;
    QSize bound(kMaxDecodedSide, kMaxDecodedSide);
    if (maxSize.isValid() && !maxSize.isEmpty()) bound = bound.boundedTo(maxSize);
    return PictureLimits::FitWithin(natural, bound);
}

bool CImageFile::Load(const QString& path, const QSize& maxSize) {
    Release();
    // Only regular files: a pipe or a device could block or never end.
    QFile file;
    if (!OpenRegularFile(file, path)) return false;
    // Sized from the file itself: a read of "at most kMaxFileBytes" would allocate that much
    // for every small picture.
    if (file.size() > kMaxFileBytes) return true;
    QByteArray data = file.read(file.size());
    file.close();

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    const QSize stored = reader.size();
    if (!IsAcceptedFormat(format) || !PictureLimits::IsDecodableSize(stored, format == "jpeg"))
        return true;
    if (!IsComplete(format, data)) return true;

    // The orientation is applied after decoding, so the scaled size is asked for in the
    // file's own orientation.
    const bool sideways = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize natural = sideways ? stored.transposed() : stored;
    const QSize decoded = DecodeSize(natural, maxSize);
    if (decoded != natural) reader.setScaledSize(sideways ? decoded.transposed() : decoded);

    QImage image = reader.read();
    if (image.isNull()) return true;
    // A GIF whose frame differs from its screen comes out at the frame's size, whatever was
    // asked: bring it to the decoded size so that the side limit and the proportions hold.
    if (image.size() != decoded) image = image.scaled(decoded, Qt::IgnoreAspectRatio);
    m_image = std::move(image);
    m_naturalSize = natural;
    return true;
}

QSize CImageFile::NaturalSize() const { return IsEmpty() ? QSize(0, 0) : m_naturalSize; }

void CImageFile::Render(QPainter& painter, const QRect& target) const {
    if (IsEmpty()) return;
    const QRect area = target.isNull() ? QRect(QPoint(0, 0), m_naturalSize) : target;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, m_image);
    painter.restore();
}

void CImageFile::Release() {
    m_image = QImage();
    m_naturalSize = QSize();
}

bool CImageFile::IsEmpty() const { return m_image.isNull(); }

const QImage& CImageFile::Image() const { return m_image; }
