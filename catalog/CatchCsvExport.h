#pragma once

#include <QString>

#include "catalog/WorkProgress.h"

class CCatchDatabase;

// Writes every catch into a spreadsheet file (CatchTable's columns, CsvFormat's conventions).
// The file appears only complete: a stopped or failed export leaves an earlier file at that
// place as it was.
WorkResult ExportCatchesCsv(CCatchDatabase& db, const QString& path, IWorkProgress& progress);
