#pragma once

#include <QString>

class CDbConnection;

// Checks a copy of a catch log (a backup, the log inside an archive) through an open
// connection, without a second link to the engine: SQLite's quick check passes on it and it
// holds the program's tables. "" when it is sound, else the French reason. Reads only; the
// connection must not be inside a transaction.
QString CheckLogCopy(CDbConnection& db, const QString& path);

// Writes a consistent copy of the connection's log into a new file (VACUUM INTO). "" on
// success, else the driver's reason; nothing is left at path after a failure.
QString WriteLogCopy(CDbConnection& db, const QString& path);
