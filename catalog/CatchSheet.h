#pragma once

#include <optional>
#include <vector>

#include <QHash>
#include <QString>

#include "catalog/GeoPosition.h"

class CDbConnection;
class CLabelCache;
struct CCatchRow;

// The stored display options, by key (the first row of a key wins, as a lookup by key finds
// it). One query for all of them. Throws CSQLException*.
using SheetOptions = QHash<QString, QString>;
SheetOptions QuerySheetOptions(const CDbConnection& db);

// The text sheet of one catch: ten groups of "label value" items, the items of a group joined
// by TAB and each group that shows anything closed by an empty line ("\r\n\r\n"). An item shows
// when its AFF_ option reads as exactly 1 (a missing option hides it). Labels are looked up
// only for the items shown. The ephemerides lines follow the moon's group when their options
// are on and the catch has a valid moment and a position: its GPS text when it reads as one,
// otherwise placePosition. Throws CSQLException* from the label lookups.
QString ComposeCatchSheet(const CCatchRow& row, const std::vector<int>& fish,
                          const std::vector<int>& baits, const SheetOptions& options,
                          CLabelCache& labels,
                          const std::optional<GeoPosition>& placePosition = std::nullopt);

// True when the sheet would show one of the ephemerides lines: then the place's position is
// worth looking up.
bool SheetShowsEphemerides(const SheetOptions& options);
