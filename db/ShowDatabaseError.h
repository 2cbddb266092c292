#pragma once

#include <QString>

class CSQLException;

// What went wrong with the catch log, in the terms the angler can act on. The SQLite driver
// reports these faults in English ("database is locked"); the program says them in French.
enum class DatabaseFault {
    Other,       // any other error: its own message is shown as the driver gave it
    Locked,      // another program holds the log (SQLITE_BUSY, SQLITE_LOCKED)
    ReadOnly,    // the data folder or the file cannot be written (SQLITE_READONLY)
    DiskFull,    // no room left on the disk (SQLITE_FULL)
    DiskError,   // the disk refused a read or a write (SQLITE_IOERR)
    CannotOpen,  // the file or its journal could not be opened (SQLITE_CANTOPEN)
};

// The fault behind an error of the layer: by SQLite's result code, which the driver reports as
// the native error of a general error (HY000), else by SQLite's own English wording.
DatabaseFault ClassifyDatabaseError(short nativeError, const QString& sqlState,
                                    const QString& message);
DatabaseFault ClassifyDatabaseError(const CSQLException& exception);

// The French sentence for a fault; "" for DatabaseFault::Other.
QString DatabaseFaultText(DatabaseFault fault);

// The sentence that comes first for any other error: the operation was not done.
QString RefusedOperationText();

// The text ShowDatabaseError shows: the French sentence (RefusedOperationText for any other
// error) followed by the driver's own message, kept for whoever helps the angler.
QString DatabaseErrorText(const CSQLException& exception);
