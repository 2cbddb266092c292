#pragma once

#include <QString>

// The throwaway PostgreSQL cluster that CTest starts for the server runs of the data-layer
// tests (tests/support/pg_cluster.sh). A test executable runs on the server when CTest sets
// BREVANE_TEST_ENGINE=postgresql; BREVANE_PG_STATE names the folder where the cluster's
// start left its address.

bool TestsOnServer();
// True when the cluster answers; when not, the reason goes to stderr.
bool ServerReady();
// Exit status that CTest reads as "skipped" when the server programs are not installed.
constexpr int kServerMissingExitCode = 77;
bool ServerProgramsInstalled();

// An empty log on the cluster: a schema of its own in the test process's database (a new
// database per test would cost a second each). Empty names on failure.
struct ServerLog {
    QString database;
    QString schema;
    bool IsValid() const { return !schema.isEmpty(); }
};
ServerLog CreateServerLog();

// Registers `dsn` in the test process's odbc.ini for the log through the "PostgreSQL
// Unicode" driver, as an administrator would with odbcinst; the connection's search path is
// the log's schema.
bool RegisterServerDataSource(const QString& dsn, const ServerLog& log);
