#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "catalog/CatalogKind.h"

class CCatchDatabase;
class IWorkProgress;

// The catches as a table of texts, one row per catch and one column per field, as the angler
// reads them: what the spreadsheet export writes and the import reads back.

enum class CatchColumn {
    Moment,  // "dd/mm/yyyy hh:mm"
    Place,
    Gps,
    Fish,    // several names joined (JoinNames)
    Weight,  // kilograms, three decimals
    Size,
    Number,
    Baits,  // several names joined
    Groundbait,
    Rig,
    Technique,
    Weather,
    Wind,
    WindDirection,
    Moon,
    AirTemperature,
    WaterTemperature,
    WaterColour,
    Tide,
    TideCoefficient,
    Picture,
    Comment,
};

struct CatchColumnInfo {
    CatchColumn column;
    const char* header;            // UTF-8
    std::optional<Table> catalog;  // the catalogue the names come from, if any
};

// Every column, in table order.
const QList<CatchColumnInfo>& CatchColumns();
// The header row.
QStringList CatchHeaders();

// Names of several catalogue entries in one field: joined by ", ", a comma inside a name
// doubled (",,") so that the field splits back into the same names.
QString JoinNames(const QStringList& names);
QStringList SplitNames(const QString& field);

// Hands every catch to `row` as its cells, in identifier order, reporting progress. False when
// the angler stopped, `row` returned false, or on a database error (shown).
bool ReadCatchTable(CCatchDatabase& db, const std::function<bool(const QStringList&)>& row,
                    IWorkProgress& progress);
