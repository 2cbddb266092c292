#pragma once

#include <QString>

class CCatchDatabase;

// Opens the catch log of a data folder (ending with "/"), in this order: makes it the program
// directory; registers the data source for <dataDir>brevane.db; connects; refuses a damaged
// file before anything is written to it; creates the base tables when the file holds no table
// yet (with the starter lists when asked); writes the missing option rows; runs the five schema
// steps. Each failure shows its message (stop icon) and returns false with the database
// disconnected. The images/ tree must already exist (PrepareDataFolder seeds it).
bool OpenCatchLog(CCatchDatabase& db, const QString& dataDir,
                  const QString& dsnName = QStringLiteral("BREVANE"), bool withStarterLists = true);

// Opens a catch log the user or the administrator registered as an ODBC data source (a club's
// log on a PostgreSQL server, most often), with its pictures under `pictureDir` (ending with
// "/"): connects to `dsnName` as it is registered, then the same steps as above from the
// integrity check on. Nothing is registered and no single-window lock applies: several members
// work on a server log at once.
bool OpenSharedCatchLog(CCatchDatabase& db, const QString& pictureDir, const QString& dsnName,
                        bool withStarterLists = true);

// The shared log `dsn` opened as "brevane --dsn NAME --data-dir DIR" opens it at start: its
// pictures folder (pictureDir, or that log's usual folder when "") made and seeded, then
// OpenSharedCatchLog. Returns the folder (ending with "/"), or "" after the reason was shown.
// The program directory is that folder afterwards, even on failure (see
// store/ProgramDirectoryScope.h for keeping the open log's).
QString OpenSharedLogAsAtStart(CCatchDatabase& db, const QString& dsn, const QString& pictureDir,
                               const QString& executableFolder);
