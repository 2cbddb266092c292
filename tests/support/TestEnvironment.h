#pragma once

#include <QString>

// The process-wide set-up shared by the two test mains: a temporary folder that lives as
// long as the test executable, with ODBCINI pointing to a file inside it. unixODBC reads
// ODBCINI once, at its first call, so PrepareTestEnvironment runs before anything touches
// ODBC (before the QCoreApplication, before any test).
void PrepareTestEnvironment();

// The folder made by PrepareTestEnvironment (ends with "/"), and the odbc.ini inside it.
QString TestProcessFolder();
QString TestOdbcIniPath();
