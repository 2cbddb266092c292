#pragma once

#include <QString>
#include <functional>

class CDbConnection;

// A write that a check guards (a name already taken, a catalogue item still named by a
// catch). Both run in one write transaction that takes the log's write lock at once (BEGIN
// IMMEDIATE on a file, the log's advisory lock on a server), so no other program can slip a
// change in between, and the check fails closed: a check that cannot run refuses the write.
//
// `isRefused` answers whether the write must not happen; `write` does it and answers false
// when it did nothing (after telling the angler why). Both may throw CSQLException*.
// Returns true only when the write happened and reached the file. A refusal shows `refusal`
// (plain box); any database error is shown once; either way nothing is changed.
bool RunGuardedWrite(CDbConnection& db, const std::function<bool()>& isRefused,
                     const QString& refusal, const std::function<bool()>& write);
