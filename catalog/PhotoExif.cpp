// The one place of the program that talks to libexiv2.
#include "catalog/PhotoExif.h"

#include <QFile>
#include <cmath>
#include <memory>
#include <mutex>

// libexiv2 0.27 hands its images out as std::auto_ptr; each is moved into a std::unique_ptr
// the moment it is returned.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

#include "catalog/PictureFiles.h"

namespace {

// A JPEG keeps its EXIF block in the first segments; a file larger than this is not a photo
// a camera wrote, and is not handed to the library at all.
constexpr qint64 kMaxExifFileSize = qint64{64} * 1024 * 1024;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

const char* const kTakenFormat = "yyyy-MM-dd HH:mm:ss";

void MuteLibraryOnce() {
    // The library writes its warnings about damaged blocks to stderr; a damaged block is
    // handled here as an absent one.
    static std::once_flag once;
    std::call_once(once, [] { Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute); });
}

using ImagePtr = std::unique_ptr<Exiv2::Image>;

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
ImagePtr OpenJpeg(const uchar* data, qint64 size) {
    const auto* bytes = reinterpret_cast<const Exiv2::byte*>(data);
    const long length = static_cast<long>(size);
    if (Exiv2::ImageFactory::getType(bytes, length) != Exiv2::ImageType::jpeg) return nullptr;
    return ImagePtr(Exiv2::ImageFactory::open(bytes, length).release());
}
#pragma GCC diagnostic pop

const Exiv2::Exifdatum* Find(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? nullptr : &*found;
}

QDateTime ReadTaken(const Exiv2::ExifData& exif) {
    // The moment of the shot; the digitizing moment is the same on a camera and the next best
    // on a scanner. Exif.Image.DateTime is the last change of the file, not the shot.
    for (const char* key : {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized"}) {
        const Exiv2::Exifdatum* datum = Find(exif, key);
        if (datum == nullptr || datum->typeId() != Exiv2::asciiString) continue;
        const QString text = QString::fromLatin1(datum->toString().c_str()).left(19);
        QDateTime taken = QDateTime::fromString(text, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        if (taken.isValid() && taken.date().year() >= kFirstYear &&
            taken.date().year() <= kLastYear)
            return taken;
    }
    return {};
}

// Degrees, minutes and seconds as three unsigned rationals, each below its limit.
std::optional<double> ReadAngle(const Exiv2::ExifData& exif, const char* key, double maxDegrees) {
    const Exiv2::Exifdatum* datum = Find(exif, key);
    if (datum == nullptr || datum->count() != 3) return std::nullopt;
    const double limits[] = {maxDegrees, 60.0, 60.0};
    double parts[3] = {};
    for (long i = 0; i < 3; ++i) {
        const Exiv2::Rational value = datum->toRational(i);
        if (value.first < 0 || value.second <= 0) return std::nullopt;
        parts[i] = double(value.first) / double(value.second);
        if (!std::isfinite(parts[i]) || parts[i] > limits[i]) return std::nullopt;
    }
    const double degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (degrees > maxDegrees) return std::nullopt;
    return degrees;
}

// The hemisphere letter: +1 for the positive one, -1 for the negative one, 0 otherwise.
int ReadHemisphere(const Exiv2::ExifData& exif, const char* key, char positive, char negative) {
    const Exiv2::Exifdatum* datum = Find(exif, key);
    if (datum == nullptr || datum->typeId() != Exiv2::asciiString) return 0;
    const std::string text = datum->toString();
    if (text.empty()) return 0;
    return text[0] == positive ? 1 : text[0] == negative ? -1 : 0;
}

std::optional<GeoPosition> ReadPosition(const Exiv2::ExifData& exif) {
    const std::optional<double> latitude = ReadAngle(exif, "Exif.GPSInfo.GPSLatitude", 90.0);
    const std::optional<double> longitude = ReadAngle(exif, "Exif.GPSInfo.GPSLongitude", 180.0);
    const int north = ReadHemisphere(exif, "Exif.GPSInfo.GPSLatitudeRef", 'N', 'S');
    const int east = ReadHemisphere(exif, "Exif.GPSInfo.GPSLongitudeRef", 'E', 'W');
    if (!latitude || !longitude || north == 0 || east == 0) return std::nullopt;
    // Zero and zero is what a phone writes before it has a fix, not a place anyone fishes.
    if (*latitude == 0.0 && *longitude == 0.0) return std::nullopt;
    return GeoPosition{north * *latitude, east * *longitude};
}

PhotoExif ReadMapped(const uchar* data, qint64 size) {
    PhotoExif result;
    try {
        const ImagePtr image = OpenJpeg(data, size);
        if (!image) return result;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        if (exif.empty()) return result;
        result.taken = ReadTaken(exif);
        result.position = ReadPosition(exif);
    } catch (const std::exception&) {
        // Exiv2::AnyError for a damaged block, std::bad_alloc and the like for a hostile one:
        // either way the photo is one without EXIF.
        return {};
    }
    return result;
}

}  // namespace

PhotoExif ReadPhotoExif(const QString& path) {
    MuteLibraryOnce();
    QFile file;
    if (!OpenRegularFile(file, path)) return {};
    const qint64 size = file.size();
    if (size <= 0 || size > kMaxExifFileSize) return {};
    // Mapped, not read: the library reads the first segments and nothing else is copied.
    const uchar* data = file.map(0, size);
    if (data == nullptr) return {};
    PhotoExif result = ReadMapped(data, size);
    file.unmap(const_cast<uchar*>(data));
    return result;
}

QString TakenText(const QDateTime& taken) {
    return taken.isValid() ? taken.toString(QString::fromLatin1(kTakenFormat)) : QString();
}

QDateTime TakenFromText(const QString& text) {
    return QDateTime::fromString(text, QString::fromLatin1(kTakenFormat));
}
