#pragma once

#include <QString>

// The order of names in every list and drop-down list: French, letter case ignored, accented
// letters beside their plain ones ("Étang" with "ETANG", not after "Z").
int FrenchCompare(const QString& a, const QString& b);

inline bool FrenchLess(const QString& a, const QString& b) { return FrenchCompare(a, b) < 0; }
