#include "catalog/PictureFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <QFile>

namespace {

constexpr std::size_t kChunkBytes = 1 << 20;

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// A read-only descriptor of a regular file, or -1. Opened without blocking so that a FIFO
// without a writer does not stop the open itself; the descriptor blocks again once checked.
int OpenRegular(const QString& path) {
    if (path.isEmpty()) return -1;
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) return -1;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return -1;
    return fd.Release();
}

bool IsNoRoom(int error) { return error == ENOSPC || error == EDQUOT; }

// Writes all of the buffer; false with errno set.
bool WriteAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

CopyOutcome CopyContent(int from, int to, CopyProgress* progress) {
    std::unique_ptr<char[]> buffer(new char[kChunkBytes]);
    for (;;) {
        if (progress != nullptr && progress->cancel.load()) return CopyOutcome::Cancelled;
        const ssize_t got = ::read(from, buffer.get(), kChunkBytes);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return CopyOutcome::Failed;
        if (got == 0) break;
        if (!WriteAll(to, buffer.get(), got))
            return IsNoRoom(errno) ? CopyOutcome::DiskFull : CopyOutcome::Failed;
        if (progress != nullptr) progress->copied += got;
    }
    // A full disk may only show when the data reaches it.
    if (::fsync(to) != 0) return IsNoRoom(errno) ? CopyOutcome::DiskFull : CopyOutcome::Failed;
    return CopyOutcome::Copied;
}

}  // namespace

bool OpenRegularFile(QFile& file, const QString& path) {
    const int fd = OpenRegular(path);
    if (fd < 0) return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    ::close(fd);
    return false;
}

CopyOutcome CopyPictureFile(const QString& source, const QString& target, CopyProgress* progress) {
    const Descriptor from(OpenRegular(source));
    if (from.Get() < 0) return CopyOutcome::NotARegularFile;
    const QByteArray targetName = QFile::encodeName(target);
    // rw-rw-r--: the umask narrows it as for any file the user makes; never writable by all.
    Descriptor to(::open(targetName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0664));
    if (to.Get() < 0) {
        if (errno == EEXIST) return CopyOutcome::TargetExists;
        return IsNoRoom(errno) ? CopyOutcome::DiskFull : CopyOutcome::Failed;
    }
    CopyOutcome outcome = CopyContent(from.Get(), to.Get(), progress);
    if (::close(to.Release()) != 0 && outcome == CopyOutcome::Copied)
        outcome = IsNoRoom(errno) ? CopyOutcome::DiskFull : CopyOutcome::Failed;
    if (outcome != CopyOutcome::Copied) ::unlink(targetName.constData());
    return outcome;
}
