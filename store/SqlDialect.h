#pragma once

#include <QString>
#include <QStringList>

#include "catalog/DateParts.h"

// The schema statements are written in the Access dialect the catch log was designed with;
// this is the one place that turns them into SQLite:
//   COUNTER -> INTEGER PRIMARY KEY AUTOINCREMENT (identifiers never reused), LONG -> INTEGER,
//   FLOAT -> REAL, LONGTEXT -> TEXT, and every LIBELLE VARCHAR(n) gets COLLATE NOCASE so that
//   names compare and sort without regard to letter case;
//   "ALTER TABLE t ADD a LONG, b LONG" -> one ALTER TABLE per column, to be run one by one;
//   "ALTER TABLE t ALTER COLUMN ..." -> no statement: SQLite has none, and the base table
//   already declares the type the change asked for.
QStringList ToSqliteStatements(const QString& accessStatement);

// Only the column types of one statement (no splitting).
QString TranslateColumnTypes(const QString& accessStatement);

// SQLite's integer year, month or hour of a moment stored as text (NULL for other text).
QString SqliteDatePart(DatePart part, const QString& column);
