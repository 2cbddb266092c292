#include "tests/support/ExifPhotos.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "tests/support/TestCatchLog.h"

QString PlainPhoto(const QString& folder, const QString& name) {
    const QString path = folder + u'/' + name;
    QFile::remove(path);
    const bool copied = QFile::copy(SourceImagesFolder() + QStringLiteral("/nophoto.jpg"), path);
    EXPECT_TRUE(copied) << path.toStdString();
    // The copy keeps the read-only mode of a packaged source; exiv2 must write it.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return copied ? path : QString();
}

QString TaggedPhoto(const QString& folder, const QString& name, const QStringList& commands) {
    const QString path = PlainPhoto(folder, name);
    if (path.isEmpty()) return {};
    QStringList arguments;
    for (const QString& command : commands) arguments << QStringLiteral("-M") + command;
    arguments << path;
    QProcess exiv2;
    exiv2.start(QStringLiteral("exiv2"), arguments);
    const bool ran = exiv2.waitForFinished(30000) && exiv2.exitStatus() == QProcess::NormalExit &&
                     exiv2.exitCode() == 0;
    EXPECT_TRUE(ran) << "exiv2 " << arguments.join(u' ').toStdString() << ": "
                     << exiv2.readAllStandardError().toStdString()
                     << exiv2.errorString().toStdString();
    return ran ? path : QString();
}

QStringList ExifTags(const char* taken, int latDegrees, int latMinutes, int latCentiSeconds,
                     char latRef, int lonDegrees, int lonMinutes, int lonCentiSeconds,
                     char lonRef) {
    const auto angle = [](int degrees, int minutes, int centiSeconds) {
        return QStringLiteral("%1/1 %2/1 %3/100").arg(degrees).arg(minutes).arg(centiSeconds);
    };
    return {
        QStringLiteral("set Exif.Photo.DateTimeOriginal ") + QString::fromLatin1(taken),
        QStringLiteral("set Exif.GPSInfo.GPSLatitudeRef ") + QChar::fromLatin1(latRef),
        QStringLiteral("set Exif.GPSInfo.GPSLatitude ") +
            angle(latDegrees, latMinutes, latCentiSeconds),
        QStringLiteral("set Exif.GPSInfo.GPSLongitudeRef ") + QChar::fromLatin1(lonRef),
        QStringLiteral("set Exif.GPSInfo.GPSLongitude ") +
            angle(lonDegrees, lonMinutes, lonCentiSeconds),
    };
}
