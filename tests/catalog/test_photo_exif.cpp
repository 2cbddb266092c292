// Date taken and GPS position read from photos tagged here with the exiv2 command; photos
// without EXIF, with damaged blocks or with values out of range give nothing.
#include <sys/stat.h>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include <gtest/gtest.h>

#include "catalog/PhotoExif.h"
#include "tests/support/ExifPhotos.h"

namespace {

double Degrees(int degrees, int minutes, int centiSeconds) {
    return degrees + minutes / 60.0 + centiSeconds / 360000.0;
}

class PhotoExifTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString Folder() const { return m_dir.path(); }

    QTemporaryDir m_dir;
};

TEST_F(PhotoExifTest, ReadsTheDateTakenAndThePositionTheCameraWrote) {
    struct Case {
        const char* name;
        QStringList tags;
        const char* taken;  // "" when the photo gives none
        std::optional<GeoPosition> position;
    };
    const Case cases[] = {
        {"north-west", ExifTags("2024:05:12 07:42:10", 48, 34, 1234, 'N', 4, 45, 0, 'W'),
         "2024-05-12 07:42:10", GeoPosition{Degrees(48, 34, 1234), -Degrees(4, 45, 0)}},
        {"south-east", ExifTags("1998:12:31 23:59:59", 33, 51, 5400, 'S', 151, 12, 3600, 'E'),
         "1998-12-31 23:59:59", GeoPosition{-Degrees(33, 51, 5400), Degrees(151, 12, 3600)}},
        {"digitized only",
         {QStringLiteral("set Exif.Photo.DateTimeDigitized 2010:06:01 05:30:00")},
         "2010-06-01 05:30:00",
         std::nullopt},
        {"not a date",
         {QStringLiteral("set Exif.Photo.DateTimeOriginal 2024:13:45 99:00:00")},
         "",
         std::nullopt},
        {"no date, no hemisphere",
         {QStringLiteral("set Exif.GPSInfo.GPSLatitude 48/1 0/1 0/1"),
          QStringLiteral("set Exif.GPSInfo.GPSLongitude 4/1 0/1 0/1")},
         "",
         std::nullopt},
        {"past the pole", ExifTags("2024:05:12 07:42:10", 95, 0, 0, 'N', 4, 0, 0, 'E'),
         "2024-05-12 07:42:10", std::nullopt},
        {"minutes past 60", ExifTags("2024:05:12 07:42:10", 48, 75, 0, 'N', 4, 0, 0, 'E'),
         "2024-05-12 07:42:10", std::nullopt},
        {"no fix yet", ExifTags("2024:05:12 07:42:10", 0, 0, 0, 'N', 0, 0, 0, 'E'),
         "2024-05-12 07:42:10", std::nullopt},
        {"zero denominator",
         {QStringLiteral("set Exif.GPSInfo.GPSLatitudeRef N"),
          QStringLiteral("set Exif.GPSInfo.GPSLatitude 48/0 0/1 0/1"),
          QStringLiteral("set Exif.GPSInfo.GPSLongitudeRef E"),
          QStringLiteral("set Exif.GPSInfo.GPSLongitude 4/1 0/1 0/1")},
         "",
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = TaggedPhoto(Folder(), QString::fromLatin1(c.name) + ".jpg", c.tags);
        ASSERT_FALSE(path.isEmpty());
        const PhotoExif exif = ReadPhotoExif(path);
        EXPECT_EQ(TakenText(exif.taken), QString::fromLatin1(c.taken));
        ASSERT_EQ(exif.position.has_value(), c.position.has_value());
        if (!c.position) continue;
        EXPECT_NEAR(exif.position->latitude, c.position->latitude, 1e-9);
        EXPECT_NEAR(exif.position->longitude, c.position->longitude, 1e-9);
    }
}

// What the library is never asked about, or fails on, is a photo without EXIF.
TEST_F(PhotoExifTest, PhotosWithoutOrWithBrokenExifGiveNothing) {
    const QString tagged = TaggedPhoto(
        Folder(), "tagged.jpg", ExifTags("2024:05:12 07:42:10", 48, 0, 0, 'N', 4, 0, 0, 'E'));
    ASSERT_FALSE(tagged.isEmpty());
    QFile file(tagged);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_FALSE(ReadPhotoExif(tagged).IsEmpty());  // the damaged copies below start from this

    const qsizetype tiff = bytes.indexOf(QByteArray("Exif\0\0", 6)) + 6;
    ASSERT_GT(tiff, 6);
    QByteArray badHeader = bytes;
    badHeader.replace(tiff, 4, "ZZZZ");
    QByteArray loopingDirectory = bytes;
    // The first directory's offset points at the header itself, forever.
    loopingDirectory.replace(tiff + 4, 4, QByteArray("\0\0\0\0", 4));
    QByteArray hugeCount = bytes;
    const qsizetype firstDirectory = tiff + 8;
    hugeCount.replace(firstDirectory, 2, QByteArray("\xff\xff", 2));

    struct Case {
        const char* name;
        QByteArray content;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"not a picture", QByteArray("GIF89a but not really")},
        {"cut inside the EXIF block", bytes.left(tiff + 20)},
        {"broken TIFF header", badHeader},
        {"directory at offset zero", loopingDirectory},
        {"65535 entries", hugeCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Folder() + "/broken.jpg";
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(c.content), c.content.size());
        out.close();
        const PhotoExif exif = ReadPhotoExif(path);
        EXPECT_TRUE(exif.IsEmpty()) << TakenText(exif.taken).toStdString();
    }
    EXPECT_TRUE(ReadPhotoExif(PlainPhoto(Folder(), "plain.jpg")).IsEmpty());
    EXPECT_TRUE(ReadPhotoExif(Folder() + "/missing.jpg").IsEmpty());
    // A pipe named like a photo is never opened: a read would wait for a writer forever.
    const QString pipe = Folder() + "/pipe.jpg";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_TRUE(ReadPhotoExif(pipe).IsEmpty());
}

}  // namespace
