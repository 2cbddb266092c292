#include "widgets/PhotoDecoder.h"

#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>

#include "catalog/PictureFiles.h"

namespace PhotoDecoder {

bool IsAcceptableSize(const QSize& stored, bool decoderScales) {
    if (stored.width() <= 0 || stored.height() <= 0) return false;
    const qint64 pixels = qint64(stored.width()) * qint64(stored.height());
    return pixels <= (decoderScales ? kMaxPixelsScaledDecode : kMaxPixelsWholeDecode);
}

QSize FitWithin(const QSize& source, const QSize& box) {
    if (source.isEmpty() || box.isEmpty()) return {};
    if (source.width() <= box.width() && source.height() <= box.height()) return source;
    QSize fitted = source.scaled(box, Qt::KeepAspectRatio);
    // A very flat picture would otherwise shrink to nothing along one side.
    return fitted.expandedTo(QSize(1, 1));
}

QImage Decode(const QString& path, const QSize& box, Fit fit) {
    if (path.isEmpty() || box.isEmpty()) return {};
    // A FIFO or a device would block this decode, and the album that waits for it, forever.
    QFile file;
    if (!OpenRegularFile(file, path)) return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!reader.canRead() || !stored.isValid()) return {};
    if (!IsAcceptableSize(stored, reader.supportsOption(QImageIOHandler::ScaledSize))) return {};

    // The scaled size applies to the picture as stored, before the EXIF rotation.
    const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize shownBox = quarterTurn ? box.transposed() : box;
    const QSize target = fit == Fit::Stretch ? shownBox : FitWithin(stored, shownBox);
    if (target.isEmpty()) return {};
    reader.setScaledSize(target);
    return reader.read();
}

}  // namespace PhotoDecoder
