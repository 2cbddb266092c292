#pragma once

#include <QString>

// The French wording of the charts' labels and numbers, in one place.

// A decimal with a comma: (1.5, 1) -> "1,5"; no thousands separator.
QString FrenchDecimal(double value, int decimals);
// The shortest French writing of a decimal up to three places: 1.5 -> "1,5", 2.0 -> "2".
QString FrenchShortDecimal(double value);
// "janv. 2024" for (2024, 1).
QString MonthOfYearLabel(int year, int month);
// "janvier" for 1.
QString MonthName(int month);
// "6 h" for 6.
QString HourLabel(int hour);
// Inclusive bounds of an integer band: (14, 15, "°C") -> "14 à 15 °C"; (40, 49, "") -> "40 à 49".
QString BandLabel(int first, int last, const QString& unit);
// The entry shown for catches that do not name a value.
QString NotRecordedLabel();
