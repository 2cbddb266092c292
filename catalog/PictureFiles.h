#pragma once

#include <QString>
#include <atomic>

class QFile;

// Picture files come from anywhere the angler points: a FIFO, a device or a link to one would
// block a read forever (and the window, or the album that waits for its decodes, with it).
// Only regular files are ever opened for reading.

// Opens `file` read-only on path when path leads to a regular file; the check and the open
// are one step, so the file cannot be swapped in between. False otherwise, nothing opened.
bool OpenRegularFile(QFile& file, const QString& path);

// How a copy ended.
enum class CopyOutcome {
    Copied,
    NotARegularFile,  // missing, unreadable, a folder, a FIFO or a device
    TargetExists,     // the name is taken: nothing was written
    DiskFull,         // no room (or no quota) left: the part written is removed
    Cancelled,        // stopped by the angler: the part written is removed
    Failed,           // any other read or write error: the part written is removed
};

// Progress shared with another thread: bytes copied so far, and a stop request.
struct CopyProgress {
    std::atomic<qint64> copied{0};
    std::atomic<bool> cancel{false};
};

// Copies a regular file to a new file, never overwriting one. The copy gets the user's
// normal permissions (rw-rw-r-- less the umask), not the source's bits, and is never
// world-writable. Safe to run off the window's thread.
CopyOutcome CopyPictureFile(const QString& source, const QString& target,
                            CopyProgress* progress = nullptr);
