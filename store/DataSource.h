#pragma once

#include <QString>

// The catch log's ODBC attributes, in one place: the driver "SQLite3", the absolute database
// path, a description, a busy time-out of 1500 ms, full synchronisation and rows stepped
// through as they are fetched.

// How the program itself reaches the file: a connection string naming the driver and the file,
// so that another Brevane rewriting the shared data source meanwhile cannot send it elsewhere.
QString CatchLogConnectionString(const QString& databasePath);

// Why the SQLite ODBC driver could not open this path as it is, in French ("" when it can): it
// keeps 511 bytes of it, and a ";" ends the attribute (braces are not understood).
QString DriverPathProblem(const QString& databasePath);

// The account's odbc.ini as unixODBC reads it: $ODBCINI when set, else ~/.odbc.ini of the
// account (unixODBC ignores $HOME).
QString UserOdbcIniPath();

// Registers the user data source for other ODBC tools ("isql BREVANE"). The file is written only
// when the section differs, under a lock shared by every Brevane, as a new file renamed over the
// old one; every other section and comment is kept byte for byte. False when the file cannot be
// read, locked or written.
bool RegisterDataSource(const QString& databasePath,
                        const QString& name = QStringLiteral("BREVANE"));

// True when the driver manager knows the driver "SQLite3" (odbcinst.ini).
bool IsSqliteDriverRegistered();

// The Debian package that registers the driver, for the message that asks for it.
QString SqliteDriverPackage();
