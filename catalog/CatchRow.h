#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "catalog/CatalogKind.h"
#include "catalog/DateStamp.h"

class CDbConnection;
class CDbRecordset;

// One PRISES row as the catch operations read and write it. NULL texts read as "" and NULL
// numbers as 0.
struct CCatchRow {
    int id = -1;
    CDateStamp moment;  // DATE_PRISE, parsed as DateTimeLayout::Stored
    int placeId = -1;
    int fishId = -1;  // SEVERAL_IDS when the fish are in PRISE_POISSONS
    int baitId = -1;  // SEVERAL_IDS when the baits are in PRISE_ESCHES
    int groundbaitId = -1;
    int rigId = -1;
    int techniqueId = -1;
    int weatherId = -1;
    int windId = -1;
    int windDirectionId = -1;
    int waterColourId = -1;
    int moonId = -1;
    int tideId = -1;
    double weight = 0.0;
    int size = 0;
    int number = 0;
    int airTemperature = 0;
    int waterTemperature = 0;
    int tideCoefficient = 0;
    QString comment;
    QString photo;
    QString gps;
};

// The SELECT of every column ReadCatchRow reads, without condition.
QString CatchRowSelect();
// The current row of a recordset opened on CatchRowSelect().
CCatchRow ReadCatchRow(CDbRecordset& rows);

// The link table of the fish (PRISE_POISSONS) or the baits (PRISE_ESCHES) and its identifier
// column; empty for any other kind.
QString LinkTableForKind(Table kind);
QString LinkColumnForKind(Table kind);

// The link rows of one catch, in the order the table gives them. Throws CSQLException*.
std::vector<int> QueryCatchLinks(const CDbConnection& db, int catchId, Table kind);

// The fish or bait set of a catch from its PRISES column: the link rows when the column holds
// SEVERAL_IDS, else the one value (-1 for a catch without bait). Throws CSQLException*.
std::vector<int> QueryCatchSet(const CDbConnection& db, int catchId, int columnValue, Table kind);

// The link rows of every catch whose PRISES column holds SEVERAL_IDS, by catch, each in link
// order: one query instead of one per catch. Throws CSQLException*.
QHash<int, std::vector<int>> QuerySeveralLinks(const CDbConnection& db, Table kind);
