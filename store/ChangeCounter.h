#pragma once

#include <QtGlobal>
#include <optional>

class CCatchDatabase;
class CDbConnection;

// How a window learns, cheaply, that another program or member changed the log: a number read
// before the lists are filled, read again later; the lists are filled anew only when it moved.
// On SQLite it is the connection's PRAGMA data_version, which moves when another connection
// commits. A server has no such number: schema step 2.3 gives it a one-row table CHANGEMENTS
// that triggers on the catch, catalogue, session and album tables bump, in the writer's own
// transaction, so the number and the rows it stands for become visible together.

// Schema step 2.3: the counter and its triggers on a server log; nothing on SQLite. Runs at
// every start, changes nothing the second time, and leaves the tables as they were.
bool AddChangeCounter(CCatchDatabase& db);

// The log's change number now, as seen by this connection; nothing on an engine without one.
// Throws CSQLException* like any read.
std::optional<qint64> ReadChangeCount(CDbConnection& db);
