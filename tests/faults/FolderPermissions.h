#pragma once

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>

// Makes a folder's permission bits bind this thread as they bind any user: root ignores them
// through three capabilities, which are taken out of the effective set (and given back at the
// end). For an ordinary user this changes nothing.
class PermissionsApply {
public:
    PermissionsApply() {
        if (syscall(SYS_capget, &m_header, m_saved) != 0) return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionsApply() {
        if (m_lowered) syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

    bool Active() const { return m_lowered || geteuid() != 0; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
};

// A folder made read-only (r-x) for the life of the object, then writable again.
class ReadOnlyFolderMode {
public:
    explicit ReadOnlyFolderMode(const QString& folder) : m_path(folder.toLocal8Bit()) {
        m_done = chmod(m_path.constData(), 0555) == 0;
    }
    ~ReadOnlyFolderMode() { Restore(); }
    ReadOnlyFolderMode(const ReadOnlyFolderMode&) = delete;
    ReadOnlyFolderMode& operator=(const ReadOnlyFolderMode&) = delete;

    bool Done() const { return m_done; }
    void Restore() {
        if (m_done) chmod(m_path.constData(), 0755);
        m_done = false;
    }

private:
    QByteArray m_path;
    bool m_done = false;
};
