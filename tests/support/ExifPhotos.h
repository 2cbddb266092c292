#pragma once

#include <QString>
#include <QStringList>

// A JPEG without any EXIF block (a copy of the delivered images/nophoto.jpg) written as
// folder/name; "" on failure, which also fails the test.
QString PlainPhoto(const QString& folder, const QString& name);

// The same JPEG tagged by the exiv2 command with these modify commands
// ("set Exif.Photo.DateTimeOriginal 2024:05:12 07:42:10", ...); "" on failure.
QString TaggedPhoto(const QString& folder, const QString& name, const QStringList& commands);

// The exiv2 commands that tag a photo taken at `taken` ("2024:05:12 07:42:10") at a position
// given in degrees, minutes and hundredths of seconds, with its hemisphere letters.
QStringList ExifTags(const char* taken, int latDegrees, int latMinutes, int latCentiSeconds,
                     char latRef, int lonDegrees, int lonMinutes, int lonCentiSeconds, char lonRef);
