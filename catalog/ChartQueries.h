#pragma once

#include "catalog/ChartData.h"
#include "catalog/DateParts.h"

class CDbConnection;

// The numbers of one chart, counted by the database (GROUP BY), never by reading every catch.
// A catch counts once for each species of its fish set, with its number of fish (at least
// one); with a species chosen, the catches whose set holds it count once each. The weight and
// size charts need a species and read its single-species catches, as the records do. Reads
// only; throws CSQLException* on a driver error.
ChartData QueryChart(const CDbConnection& db, ChartKind kind, const ChartFilter& filter,
                     const DatePartSql& dateParts);
