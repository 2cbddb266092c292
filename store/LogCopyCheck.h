#pragma once

#include <QString>

class CDbConnection;

// Backups copy the log's own file, which only a personal log has: a club's log on a server
// is saved by the server's administrator. The French refusal, and whether db can be copied.
QString ServerLogBackupRefusal();
bool CanCopyLogFile(const CDbConnection& db);

// Checks a copy of a catch log (a backup, the log inside an archive) through an open
// connection, without a second link to the engine: SQLite's quick check passes on it and it
// holds the program's tables. "" when it is sound, else the French reason. Reads only; the
// connection must not be inside a transaction.
QString CheckLogCopy(CDbConnection& db, const QString& path);

// Writes a consistent copy of the connection's log into a new file (VACUUM INTO). "" on
// success, else the driver's reason; nothing is left at path after a failure.
QString WriteLogCopy(CDbConnection& db, const QString& path);
