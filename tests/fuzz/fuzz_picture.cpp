// Fuzz target of picture loading: any file copied into the data folder ends up in CImageFile
// (catalogue pictures, catch photos) or PhotoDecoder (album photos), and its EXIF block in
// ReadPhotoExif. Whatever its bytes, the file is decoded within the size caps or refused;
// nothing crashes, leaks or allocates beyond reason, a decoded picture has the size that was
// asked for, and what the EXIF block gives is a real date and a real place, or nothing.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRect>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "catalog/PhotoExif.h"

#include "tests/fuzz/FuzzCheck.h"
#include "widgets/ImageFile.h"
#include "widgets/PhotoDecoder.h"

namespace {

// The decoders read files: each input is written to the same file of a private folder.
const QString& InputPath() {
    static QString path = [] {
        // Qt's image plugins want an application; the offscreen platform needs no display.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "fuzz_picture";
        static char* argv[] = {name, nullptr};
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
        static QTemporaryDir folder;
        FUZZ_CHECK(folder.isValid(), folder.errorString());
        return folder.filePath(QStringLiteral("image"));
    }();
    return path;
}

QString SizeText(const QSize& size) {
    return QString::asprintf("%dx%d", size.width(), size.height());
}

bool FitsIn(const QSize& size, const QSize& box) {
    return size.width() >= 1 && size.height() >= 1 && size.width() <= box.width() &&
           size.height() <= box.height();
}

// CImageFile decodes the four formats of the catch log and nothing else, at the natural size
// bounded by kMaxDecodedSide, or within the size asked for.
void CheckImageFile(const QString& path, const QSize& maxSize) {
    CImageFile picture;
    FUZZ_CHECK(picture.Load(path, maxSize), path);
    if (picture.IsEmpty()) {
        FUZZ_CHECK(picture.NaturalSize() == QSize(0, 0), SizeText(picture.NaturalSize()));
        return;
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    FUZZ_CHECK(format == "jpeg" || format == "gif" || format == "bmp" || format == "png",
               QString::fromLatin1(format));

    const QSize natural = picture.NaturalSize();
    const QSize decoded = picture.Image().size();
    FUZZ_CHECK(!natural.isEmpty(), SizeText(natural));
    FUZZ_CHECK(decoded == CImageFile::DecodeSize(natural, maxSize),
               SizeText(natural) + u' ' + SizeText(decoded) + u' ' + SizeText(maxSize));
    const QSize bound(CImageFile::kMaxDecodedSide, CImageFile::kMaxDecodedSide);
    FUZZ_CHECK(FitsIn(decoded, maxSize.isValid() ? maxSize.boundedTo(bound) : bound),
               SizeText(decoded));

    // Painting the picture into a small canvas must not read outside it.
    QImage canvas(24, 16, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture.Render(painter, QRect(0, 0, 24, 16));
}

// PhotoDecoder gives the size the album asks for, or nothing.
void CheckPhotoDecoder(const QString& path) {
    const QSize box(160, 120);
    const QImage kept = PhotoDecoder::Decode(path, box, PhotoDecoder::Fit::KeepProportions);
    if (!kept.isNull()) FUZZ_CHECK(FitsIn(kept.size(), box), SizeText(kept.size()));

    const QSize square(48, 48);
    const QImage stretched = PhotoDecoder::Decode(path, square, PhotoDecoder::Fit::Stretch);
    if (!stretched.isNull()) FUZZ_CHECK(stretched.size() == square, SizeText(stretched.size()));

    FUZZ_CHECK(PhotoDecoder::Decode(path, QSize(0, 0), PhotoDecoder::Fit::Stretch).isNull(), path);
}

void CheckPhotoExif(const QString& path) {
    const PhotoExif exif = ReadPhotoExif(path);
    if (exif.taken.isValid()) {
        const int year = exif.taken.date().year();
        FUZZ_CHECK(year >= 1900 && year <= 2100, TakenText(exif.taken));
        FUZZ_CHECK(TakenFromText(TakenText(exif.taken)).isValid(), TakenText(exif.taken));
    }
    if (exif.position) {
        const GeoPosition& where = *exif.position;
        FUZZ_CHECK(std::isfinite(where.latitude) && std::abs(where.latitude) <= 90.0 &&
                       std::isfinite(where.longitude) && std::abs(where.longitude) <= 180.0,
                   FormatGeoPosition(where));
        FUZZ_CHECK(FormatGeoPosition(where).size() <= 20, FormatGeoPosition(where));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString& path = InputPath();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), file.errorString());
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                       static_cast<qint64>(size),
                   file.errorString());
    }
    CheckImageFile(path, QSize());
    CheckImageFile(path, QSize(64, 48));
    CheckPhotoDecoder(path);
    CheckPhotoExif(path);
    return 0;
}
