#include "store/CleanClose.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Hidden beside the log, out of the way of "brevane.db*" (the log and its journal).
QString RecordPath(const QString& databasePath) {
    const QFileInfo log(databasePath);
    return log.absolutePath() + QStringLiteral("/.") + log.fileName() + QStringLiteral(".ferme");
}

// "size mtime-seconds mtime-nanoseconds inode" of the file; "" when it cannot be read.
QByteArray FileState(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return QByteArray::number(static_cast<qlonglong>(info.st_size)) + ' ' +
           QByteArray::number(static_cast<qlonglong>(info.st_mtim.tv_sec)) + ' ' +
           QByteArray::number(static_cast<qlonglong>(info.st_mtim.tv_nsec)) + ' ' +
           QByteArray::number(static_cast<qulonglong>(info.st_ino));
}

}  // namespace

bool TakeCleanCloseRecord(const QString& databasePath) {
    QFile record(RecordPath(databasePath));
    if (!record.open(QIODevice::ReadOnly)) return false;
    const QByteArray recorded = record.read(256).trimmed();
    record.close();
    // A record that stays would vouch for a run that may still crash.
    if (!record.remove()) return false;
    const QByteArray now = FileState(databasePath);
    return !now.isEmpty() && recorded == now;
}

void RecordCleanClose(const QString& databasePath) {
    const QByteArray state = FileState(databasePath);
    if (state.isEmpty()) return;
    QSaveFile record(RecordPath(databasePath));
    if (!record.open(QIODevice::WriteOnly)) return;
    record.write(state + '\n');
    record.commit();
}
