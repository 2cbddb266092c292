#pragma once

#include <QString>

// Registers (or registers anew) the user data source of the catch log in the account's
// odbc.ini ($ODBCINI when set) with the SQLite ODBC driver "SQLite3": the absolute database
// path, a description, a busy time-out of 1500 ms and full synchronisation. The caller's
// installer configuration mode is restored. False when the installer refuses a write.
bool RegisterDataSource(const QString& databasePath,
                        const QString& name = QStringLiteral("BREVANE"));
