#include "store/InstanceLock.h"

#include <QLockFile>

#include "db/UserMessages.h"

CInstanceLock::CInstanceLock() = default;

CInstanceLock::~CInstanceLock() { Release(); }

QString InstanceLockPath(const QString& dataDir) {
    return dataDir + QStringLiteral("brevane.lock");
}

CInstanceLock::Outcome CInstanceLock::Take(const QString& dataDir) {
    if (IsHeld()) return Outcome::Taken;
    m_file = std::make_unique<QLockFile>(InstanceLockPath(dataDir));
    // A Brevane left open for days keeps its lock: only a holder that no longer runs makes
    // a lock stale, never the age of the file.
    m_file->setStaleLockTime(0);
    if (m_file->tryLock(0)) return Outcome::Taken;
    const QLockFile::LockError error = m_file->error();
    m_file.reset();
    return error == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::Unavailable;
}

bool CInstanceLock::IsHeld() const { return m_file && m_file->isLocked(); }

void CInstanceLock::Release() {
    if (m_file) m_file->unlock();
    m_file.reset();
}

bool TakeInstanceLock(CInstanceLock& lock, const QString& dataDir) {
    if (lock.Take(dataDir) != CInstanceLock::Outcome::HeldElsewhere) return true;
    ShowMessage(QStringLiteral("Le carnet de prises de ce dossier est déjà ouvert dans une autre "
                               "fenêtre de Brevane."),
                MessageIcon::Stop);
    return false;
}
