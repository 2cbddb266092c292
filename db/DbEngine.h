#pragma once

#include <QString>
#include <QStringList>

// The database engine behind a connection, as the driver names it (SQL_DBMS_NAME). The
// engine decides the few SQL forms that differ; everything else is written once.
enum class DbEngine {
    Sqlite,
    PostgreSql,
    Other,
};

DbEngine EngineFromDbmsName(const QString& dbmsName);

// What follows an INSERT so that it hands back the new row's identifier as a result row
// ("" when the engine has no such clause; the identifier is then read with NewRowIdQuery).
QString ReturningIdClause(DbEngine engine);
// The statements that open a transaction. SQLite's BEGIN IMMEDIATE takes the file's single
// write lock at once (`writeLockNow`); a PostgreSQL server has no such lock, so every
// transaction there takes one advisory lock of the log first, with a bounded wait: a check and
// the write it guards then see the same log, as on SQLite, and nothing of another member's
// transaction slips in between.
QStringList BeginTransactionStatements(DbEngine engine, bool writeLockNow);
// The query that reads the identifier the connection's own last INSERT gave.
QString NewRowIdQuery(DbEngine engine);
