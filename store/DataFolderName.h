#pragma once

#include <QString>

// Why a data folder cannot hold a catch log by its name alone: a name that is not valid UTF-8
// (it would be read back as another folder), that holds a line break (odbc.ini and the
// connection string are line based), or a database path the SQLite ODBC driver would cut (too
// long, or holding a ";"): it would open another file. "" when the name is usable. The message
// names the folder, in French.
QString DataFolderNameProblem(const QString& folder);

// The message for a start with neither HOME nor XDG_DATA_HOME: there is no user data folder.
QString NoHomeMessage();
