#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One Brevane per data folder: two windows writing the same catch log would each read back
// the other's new rows as their own ("the last identifier") and overwrite each other's lists.
// The lock is the file brevane.lock in the data folder, held while the object lives. A lock
// left by a program that was killed names a process that no longer runs and is taken over.
class CInstanceLock {
public:
    CInstanceLock();
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    enum class Outcome {
        Taken,          // this program holds the folder
        HeldElsewhere,  // another running Brevane holds it
        Unavailable,    // no lock file can be made there (a read-only folder): not held
    };

    // Tries once, without waiting. A second call on a held lock keeps it.
    Outcome Take(const QString& dataDir);
    bool IsHeld() const;
    void Release();

private:
    std::unique_ptr<QLockFile> m_file;
};

// "<dataDir>brevane.lock" (dataDir ends with "/").
QString InstanceLockPath(const QString& dataDir);

// Takes the lock of the data folder for the program's start. False, after telling the angler
// that the catch log is already open in another window, when another Brevane holds it. A
// folder where no lock file can be made is not refused here: opening the log says what is
// wrong with it.
bool TakeInstanceLock(CInstanceLock& lock, const QString& dataDir);
