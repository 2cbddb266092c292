#pragma once

#include <QString>
#include <QStringList>

#include "catalog/DateParts.h"
#include "db/DbEngine.h"

// The schema statements are written in the Access dialect the catch log was designed with;
// this is the one place that turns them into the engine's own SQL.
//
// SQLite:
//   COUNTER -> INTEGER PRIMARY KEY AUTOINCREMENT (identifiers never reused), LONG -> INTEGER,
//   FLOAT -> REAL, LONGTEXT -> TEXT, and every LIBELLE VARCHAR(n) gets COLLATE NOCASE so that
//   names compare and sort without regard to letter case;
//   "ALTER TABLE t ADD a LONG, b LONG" -> one ALTER TABLE per column, to be run one by one;
//   "ALTER TABLE t ALTER COLUMN ..." -> no statement: SQLite has none, and the base table
//   already declares the type the change asked for.
// PostgreSQL, the same shape with:
//   COUNTER -> an identity column (never reused either; a copied log may give its own values),
//   DATETIME -> TIMESTAMP(0), FLOAT -> DOUBLE PRECISION, LIBELLE in the case-blind collation
//   of SchemaPreludeStatements (accents still count, as on SQLite);
//   a table without identifier gets a ROWID identity column, so that rows read back in the
//   order they were stored, as SQLite's own rowid gives them.
QStringList ToEngineStatements(const QString& accessStatement, DbEngine engine);
QStringList ToSqliteStatements(const QString& accessStatement);

// Only the column types of one statement (no splitting).
QString TranslateColumnTypes(const QString& accessStatement, DbEngine engine = DbEngine::Sqlite);

// What the engine needs before the first table is made (nothing on SQLite).
QStringList SchemaPreludeStatements(DbEngine engine);
// Statements run right after connecting.
QStringList ConnectionSetupStatements(DbEngine engine);
// The engine's own check of the file, first row "ok" when sound; "" when it has none.
QString IntegrityCheckQuery(DbEngine engine);
// Counts the tables of the log (one row, one number).
QString TableCountQuery(DbEngine engine);

// SQLite's integer year, month or hour of a moment stored as text (NULL for other text).
QString SqliteDatePart(DatePart part, const QString& column);
// The same on a server log, whose moments are timestamps.
QString PostgreSqlDatePart(DatePart part, const QString& column);
// The one the engine needs.
DatePartSql DatePartSqlFor(DbEngine engine);
