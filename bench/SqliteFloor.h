#pragma once

#include <QString>

class IListTarget;

// The floor of the catch list: the same rows read straight through the sqlite3 C API, as fast
// as this machine reads them. The rows FillCatchList reads without a filter (ID, ID_POISSON,
// DATE_PRISE in ID order), the fish labels and the link rows of the catches with several fish,
// each row's text "dd/mm/yyyy - FISH, FISH" handed to the list as FillCatchList hands it.
// Linked to libsqlite3 in the benchmarks only: the program itself reaches its log through ODBC.
// -1 when the file cannot be read.
int FillCatchListFloor(const QString& databasePath, IListTarget& list);
