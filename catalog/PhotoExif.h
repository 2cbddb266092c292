#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "catalog/GeoPosition.h"

// When and where a photo was taken, as its camera wrote them in the EXIF block of the file.
struct PhotoExif {
    QDateTime taken;  // the camera's clock, read as local time; invalid when absent
    std::optional<GeoPosition> position;

    bool IsEmpty() const { return !taken.isValid() && !position; }
};

// Reads the date taken and the GPS position of a JPEG file. A file that is not a JPEG, has no
// EXIF block, or holds one that is broken, hostile or out of range gives an empty result:
// a photo's metadata is a convenience, never a reason to refuse the photo. Nothing is shown.
PhotoExif ReadPhotoExif(const QString& path);

// The date taken as stored in the log: "yyyy-mm-dd hh:mm:ss", which sorts by time; "" when
// invalid.
QString TakenText(const QDateTime& taken);
// The stored text read back; invalid for "" or anything that is not that form.
QDateTime TakenFromText(const QString& text);
