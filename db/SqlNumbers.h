#pragma once

// Internal to db/: numbers as the builders write them, "." as the point whatever the locale.

#include <QString>

// "%d".
inline QString SqlInt(int value) { return QString::number(value); }

// Fixed notation with the given decimals; a NaN or an infinity (never valid SQL) is 0, and
// with guardLarge a value beyond +-1e13 is 0 too.
QString SqlFixed(double value, int decimals, bool guardLarge);
