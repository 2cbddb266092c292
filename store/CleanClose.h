#pragma once

#include <QString>

// Whether the catch log can skip the whole-file check at start: only when the run that last
// closed it recorded a clean close and the file is still exactly as that run left it (same
// size, modification time and inode). At a million catches the check reads the whole file
// for seconds; any other log is still checked before the first write.

// True when the record of a clean close matches the file as it is now. The record is used up:
// a run that ends without closing (a crash, a power cut) leaves none, so the next start checks.
bool TakeCleanCloseRecord(const QString& databasePath);

// Records the file as it is after a clean close (the connection released). No effect when
// the record cannot be written: the next start simply checks.
void RecordCleanClose(const QString& databasePath);
