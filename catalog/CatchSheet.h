#pragma once

#include <QHash>
#include <QString>
#include <vector>

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
// only for the items shown. Throws CSQLException* from the label lookups.
QString ComposeCatchSheet(const CCatchRow& row, const std::vector<int>& fish,
                          const std::vector<int>& baits, const SheetOptions& options,
                          CLabelCache& labels);
