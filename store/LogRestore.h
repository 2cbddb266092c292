#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "catalog/WorkProgress.h"
#include "store/FileMoves.h"

class CDbConnection;
class QTemporaryDir;

// Puts a backup (an archive of "Sauvegarder..." or a copy of brevane.db) in place of the
// data folder's log, in three steps so that a bad file changes nothing:
//   Prepare: unpacks and checks the copy beside the log, touching nothing of it;
//   (the caller closes the log)
//   Swap: keeps the current log, and the pictures when the archive has its own, under
//         sauvegardes/ ("...-avant-restauration-AAAA-MM-JJ-HHMMSS"), then moves the copy in;
//   (the caller opens the log again, and calls Undo when it cannot)
class CLogRestore {
public:
    explicit CLogRestore(const QString& dataDir);
    ~CLogRestore();
    CLogRestore(const CLogRestore&) = delete;
    CLogRestore& operator=(const CLogRestore&) = delete;

    // db: any open connection, not inside a transaction (the copy is checked through it).
    WorkResult Prepare(CDbConnection& db, const QString& backupFile, IWorkProgress& progress);
    WorkResult Swap();
    // Puts every file back as it was before Swap.
    void Undo();

    // Where Swap kept the log that was replaced ("" before Swap).
    QString KeptLog() const { return m_keptLog; }

private:
    QString m_dataDir;
    std::unique_ptr<QTemporaryDir> m_staging;
    CFileMoves m_moves;
    QString m_keptLog;
};

// True when the file starts as every SQLite database does.
bool IsSqliteFile(const QString& path);

class CCatchDatabase;

// The whole restore of a data folder's log (ending with "/"). db is open on that log, or not
// connected when the log would not open (a damaged one can be replaced too). beforeClose runs
// just before the log is closed, for a window to let go of what it shows. On success db is
// open on the restored log and keptLog names where the replaced one went; otherwise nothing
// has changed and db is open again on the previous log when it was open.
WorkResult RestoreCatchLog(CCatchDatabase& db, const QString& dataDir, const QString& backupFile,
                           IWorkProgress& progress, const std::function<void()>& beforeClose = {},
                           QString* keptLog = nullptr);
