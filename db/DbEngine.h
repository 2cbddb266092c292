#pragma once

#include <QString>

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
// The query that reads the identifier the connection's own last INSERT gave.
QString NewRowIdQuery(DbEngine engine);
