#pragma once

#include <QString>

// The error object of the database layer: the first diagnostic record of a failed ODBC call.
// The layer throws it by pointer; whoever catches it owns it (see ShowDatabaseError).
class CSQLException {
public:
    CSQLException(short nativeError, QString message, QString sqlState, QString statementText = {});

    short nativeError;      // low 16 bits of the driver's native code (or a mapped code below)
    QString message;        // the driver's text, at most 511 characters, never a split character
    QString sqlState;       // five characters
    QString statementText;  // the SELECT text, for errors raised by CDbRecordset
};

// Native codes the schema steps accept as "already done". The SQLite driver's
// "table X already exists" and "duplicate column name: X", and the SQLSTATEs 42P07 and 42701
// of a server, are mapped to these.
constexpr short ERR_TABLE_EXISTS = -1303;
constexpr short ERR_COLUMN_EXISTS = -1508;
// A row refused by a unique index: another member stored the same name first.
constexpr short ERR_DUPLICATE_KEY = -1605;

// Shows the exception's message (stop icon, caption "Brevane") and deletes it. A locked log, a
// read-only folder, a full disk or a failing disk is first said in French, the driver's own
// message following it (see db/ShowDatabaseError.h). Callers catch through db/DbErrorGuard.h,
// which owns the exception and uses the second form.
void ShowDatabaseError(CSQLException* exception);
void ShowDatabaseError(const CSQLException& exception);
