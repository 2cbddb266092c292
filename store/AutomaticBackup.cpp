#include "store/AutomaticBackup.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/BackupRetention.h"
#include "store/LogCopyCheck.h"

namespace {

// A copy being written does not carry a dated name: a crash never leaves a half copy that the
// retention rule would count. Such leftovers are removed by the next backup.
const QString kPartialSuffix = QStringLiteral(".partiel");

void RemoveLeftovers(QDir& folder) {
    for (const QString& name :
         folder.entryList({QStringLiteral("*") + kPartialSuffix}, QDir::Files))
        folder.remove(name);
}

void DeleteOlderCopies(QDir& folder, const QDateTime& now) {
    const QStringList names = folder.entryList({QStringLiteral("brevane-*.db")}, QDir::Files);
    for (const QString& name : BackupsToDelete(names, now)) folder.remove(name);
}

}  // namespace

QString WriteAutomaticBackup(CDbConnection& db, const QString& dataDir, const QDateTime& now) {
    const QString folderPath = BackupFolder(dataDir);
    if (!QDir().mkpath(folderPath))
        return QStringLiteral("impossible de créer le dossier %1").arg(folderPath);
    QDir folder(folderPath);
    RemoveLeftovers(folder);

    const QString finalPath = folder.filePath(BackupFileName(now));
    const QString partialPath = finalPath + kPartialSuffix;
    QString problem = WriteLogCopy(db, partialPath);
    if (problem.isEmpty()) problem = CheckLogCopy(db, partialPath);
    if (!problem.isEmpty()) {
        QFile::remove(partialPath);
        return problem;
    }
    // A copy made in the same second as an earlier one replaces it.
    if (std::rename(QFile::encodeName(partialPath).constData(),
                    QFile::encodeName(finalPath).constData()) != 0) {
        QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(partialPath);
        return reason;
    }
    DeleteOlderCopies(folder, now);
    return {};
}
