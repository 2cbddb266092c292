#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A small tmpfs of its own for the tests that need a disk that fills up or turns read-only.
// Needs root. Unmounted by the destructor whatever the test did (made writable first, detached
// if something still holds it). The first mount also moves the process into a private mount
// namespace when it can, so that even a test process that dies leaves no mount behind.
class TmpfsMount {
public:
    explicit TmpfsMount(int sizeKilobytes)
        : m_size("size=" + QByteArray::number(sizeKilobytes) + "k") {
        if (geteuid() != 0) {
            m_error = QStringLiteral("needs root");
            return;
        }
        PrivateMountNamespace();
        if (!m_dir.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return;
        }
        if (::mount("tmpfs", Native(), "tmpfs", MS_NOSUID | MS_NODEV, m_size.constData()) != 0) {
            m_error = QStringLiteral("mount: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~TmpfsMount() {
        if (!m_mounted) return;
        SetReadOnly(false);
        if (::umount2(Native(), 0) != 0) ::umount2(Native(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool IsMounted() const { return m_mounted; }
    QString Error() const { return m_error; }
    QString Path() const { return m_dir.path() + u'/'; }  // ends with "/"

    // "mount -o remount,ro" (or back to rw). The kernel refuses to make the file system
    // read-only while a file on it is open for writing (EBUSY): close the log first.
    bool SetReadOnly(bool readOnly) {
        if (!m_mounted) return false;
        const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
        if (::mount("tmpfs", Native(), "tmpfs", flags, m_size.constData()) != 0) {
            m_error = QStringLiteral("remount: ") + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }

private:
    static void PrivateMountNamespace() {
        static const bool done = [] {
            // Fails in a process that already runs threads: the RAII unmount still applies.
            if (::unshare(CLONE_NEWNS) != 0) return false;
            return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        }();
        (void)done;
    }
    const char* Native() {
        m_native = QDir::toNativeSeparators(m_dir.path()).toLocal8Bit();
        return m_native.constData();
    }

    QTemporaryDir m_dir;
    QByteArray m_size;
    QByteArray m_native;
    QString m_error;
    bool m_mounted = false;
};
