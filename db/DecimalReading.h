#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Numbers read from text the same way everywhere (stored values, dates, dialog fields),
// whatever the user's locale.

// Leading blanks, an optional sign and digits; reading stops at the first other character; no
// digit gives 0. Values beyond the int range are clamped. Takes a view so that the catch list
// reads 100,000 dates without allocating.
int ReadDecimalInt(QStringView text);
inline int ReadDecimalInt(const QString& text) { return ReadDecimalInt(QStringView(text)); }
// The same reading of UTF-8 bytes as the driver hands them.
int ReadDecimalIntUtf8(QByteArrayView bytes);
// "." as the point; anything unreadable gives 0.
double ReadDecimalDouble(const QString& text);
