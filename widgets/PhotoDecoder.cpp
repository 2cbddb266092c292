#include "widgets/PhotoDecoder.h"

#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>

#include "catalog/PictureFiles.h"
#include "widgets/PictureLimits.h"

namespace PhotoDecoder {

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
    if (!PictureLimits::IsDecodableSize(stored, reader.supportsOption(QImageIOHandler::ScaledSize)))
        return {};

    // The scaled size applies to the picture as stored, before the EXIF rotation.
    const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize shownBox = quarterTurn ? box.transposed() : box;
    const QSize target =
        fit == Fit::Stretch ? shownBox : PictureLimits::FitWithin(stored, shownBox);
    if (target.isEmpty()) return {};
    reader.setScaledSize(target);
    return reader.read();
}

}  // namespace PhotoDecoder
