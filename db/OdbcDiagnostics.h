#pragma once

// Internal to db/: turns the first diagnostic record of a handle into a CSQLException.

#include <sql.h>

#include <QString>

#include "db/SQLException.h"

// Reads record 1 of the handle's diagnostics. The driver's wording of "table exists" and
// "column exists" is mapped to ERR_TABLE_EXISTS / ERR_COLUMN_EXISTS here and nowhere else.
CSQLException* ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle,
                               const QString& statementText = {});

// The native code the schema steps compare: the driver's own, or one of the two mapped codes.
short MapNativeError(long nativeError, const QString& sqlState, const QString& message);

// Text for the driver: UTF-8 with a terminating NUL.
QByteArray ToDriverText(const QString& text);
