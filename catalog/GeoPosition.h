#pragma once

#include <optional>

#include <QString>
#include <QStringView>

// A point on the earth in decimal degrees: latitude north positive, longitude east positive.
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
};

// The position a text written by an angler gives, or nothing when the text is not one
// readable position. The one reader of position texts in the program. Accepted forms,
// latitude first (or longitude first when both carry their hemisphere letters):
//   "48.57N 4.75E", "48.600000,4.803428", "48,6 4,8", "-48.6; -4.8",
//   "48°36'00\"N 4°48'12\"E", "N 48°36.000 E 4°48.200", "48 36 00 N 4 48 12 O".
// Hemisphere letters N, S, E, W and the French O (ouest); signs instead of letters.
// A text that could be read two ways (four bare numbers, say) gives nothing.
std::optional<GeoPosition> ParseGeoPosition(QStringView text);

// "48.60000,4.80343": five decimals (about one metre), short enough for a GPS text column.
QString FormatGeoPosition(const GeoPosition& position);
