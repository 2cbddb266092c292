#pragma once

// Internal to db/: numbers as the builders write them, "." as the point whatever the locale.

#include <QString>

// "%d".
inline QString SqlInt(int value) { return QString::number(value); }

// How a builder writes a double: fixed notation with these decimals; a NaN or an infinity
// (never valid SQL) is 0, and with guardLarge a value beyond +-1e13 is 0 too.
struct SqlPrecision {
    int decimals;
    bool guardLarge;
};

// Weights in kilograms keep their grams; a value no weight could be is written 0. The INSERT
// builder writes every double so.
constexpr SqlPrecision kWeightPrecision{3, true};
// The UPDATE builder's other doubles: two decimals, as it always wrote them.
constexpr SqlPrecision kUpdateDoublePrecision{2, false};

QString SqlFixed(double value, SqlPrecision precision);
