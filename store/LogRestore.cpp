#include "store/LogRestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "catalog/CatchDatabase.h"
#include "store/BackupArchive.h"
#include "store/BackupRetention.h"
#include "store/CatchLogOpener.h"
#include "store/DataSource.h"
#include "store/LogCopyCheck.h"

namespace {

const QString kLogName = QStringLiteral("brevane.db");
// SQLite's rollback journal: one left beside the replaced log belongs to it, never to the copy.
const QString kJournalSuffix = QStringLiteral("-journal");

}  // namespace

bool IsSqliteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3", 16);
}

CLogRestore::CLogRestore(const QString& dataDir) : m_dataDir(dataDir) {}

CLogRestore::~CLogRestore() = default;

WorkResult CLogRestore::Prepare(CDbConnection& db, const QString& backupFile,
                                IWorkProgress& progress) {
    if (!QFileInfo(backupFile).isFile())
        return WorkResult::Failed(QStringLiteral("Le fichier %1 n'existe pas.").arg(backupFile));
    // Beside the log, on the same disk: Swap only renames.
    m_staging = std::make_unique<QTemporaryDir>(m_dataDir + QStringLiteral("restauration-XXXXXX"));
    if (!m_staging->isValid())
        return WorkResult::Failed(
            QStringLiteral("Impossible de créer un dossier dans %1.").arg(m_dataDir));
    const QString staged = m_staging->filePath(kLogName);
    if (IsSqliteFile(backupFile)) {
        progress.SetStep(QStringLiteral("Copie du carnet..."));
        if (!QFile::copy(backupFile, staged))
            return WorkResult::Failed(
                QStringLiteral("Impossible de copier %1 dans %2.").arg(backupFile, m_dataDir));
    } else {
        const WorkResult extracted =
            ExtractBackupArchive(backupFile, m_staging->path() + u'/', progress);
        if (!extracted.IsDone()) return extracted;
        if (!QFileInfo(staged).isFile())
            return WorkResult::Failed(
                QStringLiteral("Cette archive ne contient pas de carnet (brevane.db)."));
    }
    progress.SetStep(QStringLiteral("Contrôle du carnet..."));
    const QString problem = CheckLogCopy(db, staged);
    if (!problem.isEmpty())
        return WorkResult::Failed(
            QStringLiteral("Ce fichier ne peut pas être restauré : %1.").arg(problem));
    return WorkResult::Done();
}

WorkResult CLogRestore::Swap() {
    const QString kept = BackupFolder(m_dataDir);
    if (!QDir().mkpath(kept))
        return WorkResult::Failed(QStringLiteral("Impossible de créer le dossier %1.").arg(kept));
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString log = m_dataDir + kLogName;
    m_keptLog = kept + QStringLiteral("brevane-avant-restauration-%1.db").arg(stamp);
    const QString stagedImages = m_staging->filePath(QStringLiteral("images"));

    bool moved = true;
    if (QFileInfo::exists(log)) moved = m_moves.Move(log, m_keptLog);
    if (moved && QFileInfo::exists(log + kJournalSuffix))
        moved = m_moves.Move(log + kJournalSuffix, m_keptLog + kJournalSuffix);
    if (moved) moved = m_moves.Move(m_staging->filePath(kLogName), log);
    if (moved && QFileInfo(stagedImages).isDir()) {
        const QString images = m_dataDir + QStringLiteral("images");
        if (QFileInfo::exists(images))
            moved =
                m_moves.Move(images, kept + QStringLiteral("images-avant-restauration-") + stamp);
        if (moved) moved = m_moves.Move(stagedImages, images);
    }
    if (!moved) {
        const QString problem = m_moves.Error();
        Undo();
        return WorkResult::Failed(
            QStringLiteral("La restauration a échoué (%1).\nVotre carnet n'a pas été modifié.")
                .arg(problem));
    }
    return WorkResult::Done();
}

void CLogRestore::Undo() {
    m_moves.UndoAll();
    m_keptLog.clear();
}

WorkResult RestoreCatchLog(CCatchDatabase& db, const QString& dataDir, const QString& backupFile,
                           IWorkProgress& progress, const std::function<void()>& beforeClose,
                           QString* keptLog) {
    const bool wasOpen = db.IsConnected();
    if (wasOpen && !CanCopyLogFile(db)) return WorkResult::Failed(ServerLogBackupRefusal());
    if (!wasOpen && !(RegisterDataSource(dataDir + kLogName) &&
                      db.Connect(QStringLiteral("BREVANE"), QString(), QString())))
        return WorkResult::Failed(
            QStringLiteral("Impossible de se connecter à la base de données"));
    CLogRestore restore(dataDir);
    const WorkResult prepared = restore.Prepare(db, backupFile, progress);
    if (!prepared.IsDone()) {
        if (!wasOpen) db.Disconnect();
        if (!prepared.IsFailed()) return prepared;
        return WorkResult::Failed(prepared.reason +
                                  QStringLiteral("\nVotre carnet n'a pas été modifié."));
    }
    if (beforeClose) beforeClose();
    db.Disconnect();
    const WorkResult swapped = restore.Swap();
    if (!swapped.IsDone()) {
        if (wasOpen) OpenCatchLog(db, dataDir);
        return swapped;
    }
    if (!OpenCatchLog(db, dataDir)) {
        restore.Undo();
        if (wasOpen) OpenCatchLog(db, dataDir);
        return WorkResult::Failed(QStringLiteral(
            "Le carnet restauré n'a pas pu être ouvert : votre carnet a été remis en place."));
    }
    if (keptLog) *keptLog = restore.KeptLog();
    return WorkResult::Done();
}
