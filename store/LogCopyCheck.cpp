#include "store/LogCopyCheck.h"

#include <QFile>
#include <QFileInfo>

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlStatement.h"

namespace {

const QString kSchemaName = QStringLiteral("brevane_copie");

// The base tables every catch log has had since its first version.
const char* const kRequiredTables[] = {"PRISES", "POISSONS", "LIEUX",      "ESCHES", "MONTAGES",
                                       "TEMPS",  "VENTS",    "TECHNIQUES", "LUNES",  "OPTIONS"};

// The copy attached under its own schema name for the life of the object.
class AttachedCopy {
public:
    AttachedCopy(CDbConnection& db, const QString& path) : m_db(db) {
        m_db.ExecuteDirect(
            QStringLiteral("ATTACH DATABASE %1 AS %2").arg(QuoteSqlText(path), kSchemaName));
    }
    // A failed detach leaves nothing to undo: the copy goes with the connection.
    ~AttachedCopy() {
        CatchDbError([&] { m_db.ExecuteDirect(QStringLiteral("DETACH DATABASE ") + kSchemaName); });
    }
    AttachedCopy(const AttachedCopy&) = delete;
    AttachedCopy& operator=(const AttachedCopy&) = delete;

private:
    CDbConnection& m_db;
};

QString QuickCheckProblem(CDbConnection& db) {
    CDbRecordset check(db);
    check.SetSql(QStringLiteral("PRAGMA %1.quick_check").arg(kSchemaName));
    if (!check.Open() || !check.Fetch()) return QStringLiteral("le contrôle n'a rien répondu");
    const QString first = check.GetText(1);
    return first == QLatin1String("ok") ? QString() : first;
}

QString MissingTable(CDbConnection& db) {
    for (const char* table : kRequiredTables) {
        CDbRecordset found(db);
        found.SetSql(QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE type='table' "
                                    "AND upper(name)='%2'")
                         .arg(kSchemaName, QLatin1String(table)));
        if (!found.Open() || !found.Fetch() || found.GetInt(1) == 0) return QLatin1String(table);
    }
    return {};
}

}  // namespace

QString ServerLogBackupRefusal() {
    return QStringLiteral(
        "Les sauvegardes et les restaurations ne concernent que le carnet personnel : un carnet "
        "partagé sur un serveur est sauvegardé par l'administrateur de ce serveur.");
}

bool CanCopyLogFile(const CDbConnection& db) { return db.Engine() == DbEngine::Sqlite; }

QString CheckLogCopy(CDbConnection& db, const QString& path) {
    if (!CanCopyLogFile(db)) return ServerLogBackupRefusal();
    // ATTACH would create a missing file.
    if (!QFileInfo(path).isFile()) return QStringLiteral("le fichier %1 n'existe pas").arg(path);
    QString reason;
    const auto error = CatchDbError([&] {
        AttachedCopy copy(db, path);
        const QString problem = QuickCheckProblem(db);
        if (!problem.isEmpty()) {
            reason = QStringLiteral("le fichier est endommagé (%1)").arg(problem);
            return;
        }
        const QString missing = MissingTable(db);
        if (!missing.isEmpty())
            reason = QStringLiteral("ce n'est pas un carnet de Brevane (la table %1 manque)")
                         .arg(missing);
    });
    if (error)
        return QStringLiteral("ce n'est pas un carnet de Brevane lisible (%1)").arg(error->message);
    return reason;
}

QString WriteLogCopy(CDbConnection& db, const QString& path) {
    if (!CanCopyLogFile(db)) return ServerLogBackupRefusal();
    const auto error = CatchDbError(
        [&] { db.ExecuteDirect(QStringLiteral("VACUUM INTO ") + QuoteSqlText(path)); });
    if (!error) return {};
    QFile::remove(path);
    return error->message;
}
