#pragma once

#include <QFuture>
#include <QString>

class CDbConnection;

// Writes the automatic backup now, on the caller's connection (at exit, once the window is
// gone). A failure is only reported on standard error: a backup must not stop the angler.
void BackUpNow(CDbConnection& db, const QString& dataDir);

// The backup at start after a run that did not close the log: on a second connection, off the
// window's thread, so that a large log opens at once. A write of the angler meanwhile waits
// for it within the connection's busy timeout. Wait() (and the destructor) return once it ends.
class CStartBackup {
public:
    CStartBackup() = default;
    ~CStartBackup() { Wait(); }
    CStartBackup(const CStartBackup&) = delete;
    CStartBackup& operator=(const CStartBackup&) = delete;

    void Start(const CDbConnection& db, const QString& dataDir);
    void Wait();

private:
    QFuture<void> m_done;
};
