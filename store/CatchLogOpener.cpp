#include "store/CatchLogOpener.h"

#include <QFileInfo>
#include <memory>
#include <optional>

#include "catalog/CatchDatabase.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/BaseSchema.h"
#include "store/ChangeCounter.h"
#include "store/CleanClose.h"
#include "store/DataFolder.h"
#include "store/DataSource.h"
#include "store/OptionDefaults.h"
#include "store/SchemaTrust.h"
#include "store/SearchIndexes.h"
#include "store/SqlDialect.h"

namespace {

bool Fail(CCatchDatabase& db, const QString& message) {
    ShowMessage(message, MessageIcon::Stop);
    db.Disconnect();  // does nothing when not connected
    return false;
}

bool DistrustSchema(CCatchDatabase& db) {
    return RunOrShowError(false, [&] {
        DistrustStoredSchema(db);
        return true;
    });
}

// "" when the engine finds the log sound (or has no check of its own), else the first problem
// it reports. Reads only.
QString QuickCheck(CCatchDatabase& db) {
    const QString query = IntegrityCheckQuery(db.Engine());
    if (query.isEmpty()) return {};
    CDbRecordset check(db);
    check.SetSql(query);
    if (!check.Open()) return QStringLiteral("connexion perdue");
    if (!check.Fetch()) return QStringLiteral("aucune réponse du contrôle");
    const QString first = check.GetText(1);
    return first == QLatin1String("ok") ? QString() : first;
}

// The quick check's answer, an error of the check itself counting as the problem found, or
// std::nullopt when the check could not run at all. A log that another program holds, or that
// cannot be opened, is not a damaged one: that error is shown as it is.
std::optional<QString> IntegrityProblem(CCatchDatabase& db) {
    QString problem;
    const std::unique_ptr<CSQLException> error = CatchDbError([&] { problem = QuickCheck(db); });
    if (!error) return problem;
    const DatabaseFault fault = ClassifyDatabaseError(*error);
    if (fault == DatabaseFault::Locked || fault == DatabaseFault::CannotOpen) {
        ShowDatabaseError(*error);
        return std::nullopt;
    }
    return error->message;
}

// A file that holds no table at all: new, or a creation that did not finish.
bool HasNoTable(CCatchDatabase& db) {
    return RunOrShowError(false, [&] {
        CDbRecordset tables(db);
        tables.SetSql(TableCountQuery(db.Engine()));
        return tables.Open() && tables.Fetch() && tables.GetInt(1) == 0;
    });
}

// An existing file of no bytes holds no log: a copy that failed, a disk that lost it. Starting
// a new log in its place would hide the loss, so the angler is told and chooses.
bool IsEmptyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0;
}

QString EmptyFileMessage(const QString& path) {
    return QStringLiteral(
               "La base de données %1 est vide : elle ne contient aucune prise.\n"
               "Si vous avez une sauvegarde de votre carnet, remettez-la à sa place ; "
               "sinon, supprimez ce fichier pour commencer un nouveau carnet.")
        .arg(path);
}

// The file SQLite opened for the connection ("" when it cannot say): the check that this
// program writes to its own folder's log and no other.
QString OpenedFile(CCatchDatabase& db) {
    return RunOrShowError(QString(), [&]() -> QString {
        CDbRecordset list(db);
        list.SetSql(QStringLiteral("PRAGMA database_list"));
        if (!list.Open()) return {};
        while (list.Fetch())
            if (list.GetText(2) == QLatin1String("main")) return list.GetText(3);
        return {};
    });
}

bool IsSameFile(const QString& opened, const QString& expected) {
    const QString canonical = QFileInfo(expected).canonicalFilePath();
    return !opened.isEmpty() && !canonical.isEmpty() &&
           QFileInfo(opened).canonicalFilePath() == canonical;
}

QString ConnectFailed() {
    return QStringLiteral("Impossible de se connecter à la base de données");
}

QString DriverMissingMessage() {
    return ConnectFailed() +
           QStringLiteral(
               " : le pilote ODBC de SQLite (SQLite3) n'est pas installé. Installez le "
               "paquet Debian %1.")
               .arg(SqliteDriverPackage());
}

QString IniNotWritableMessage() {
    return QStringLiteral("Impossible de configurer la base de données") +
           QStringLiteral(" : le fichier %1 ne peut pas être lu ou écrit.").arg(UserOdbcIniPath());
}

QString ConnectionMessage(const QString& databasePath) {
    return ConnectFailed() +
           QStringLiteral(
               "\nLe fichier %1 ne peut pas être ouvert : vérifiez que le dossier de "
               "données existe et qu'il est accessible en écriture.")
               .arg(databasePath);
}

QString OtherFileMessage(const QString& opened, const QString& databasePath) {
    return ConnectFailed() +
           QStringLiteral(
               "\nLe fichier ouvert (%1) n'est pas celui du dossier de données (%2) : "
               "rien n'a été modifié.")
               .arg(opened.isEmpty() ? QStringLiteral("inconnu") : opened, databasePath);
}

struct UpgradeStep {
    bool (CCatchDatabase::*run)();
    const char* version;
};

constexpr UpgradeStep kUpgrades[] = {
    {&CCatchDatabase::UpgradeTo11, "1.1"},        {&CCatchDatabase::UpgradeTo12, "1.2"},
    {&CCatchDatabase::UpgradeTo13, "1.3"},        {&CCatchDatabase::UpgradeTo15, "1.5"},
    {&CCatchDatabase::UpgradeTo20, "2.0"},        {&CCatchDatabase::UpgradeToPlacePositions, "2.1"},
    {&CCatchDatabase::UpgradeToPhotoExif, "2.2"},
};

// Everything after the connection and its checks, the same for a file and a server log.
bool PrepareConnectedLog(CCatchDatabase& db, bool withStarterLists) {
    db.SetCommitEachStatement(true);
    if (HasNoTable(db) && !CreateBaseSchema(db, withStarterLists))
        return Fail(db, QStringLiteral("Impossible de créer la base de données"));

    EnsureDefaultOptions(db);
    for (const UpgradeStep& step : kUpgrades) {
        if (!(db.*step.run)())
            return Fail(db, QStringLiteral("Problème lors de la mise à jour de la version ") +
                                QLatin1String(step.version));
    }
    if (!AddChangeCounter(db))
        return Fail(db, QStringLiteral("Problème lors de la mise à jour de la version 2.3"));
    EnsureSearchIndexes(db);
    return true;
}

}  // namespace

bool OpenCatchLog(CCatchDatabase& db, const QString& dataDir, const QString& dsnName,
                  bool withStarterLists) {
    SetProgramDirectory(dataDir);
    const QString databasePath = GetProgramDirectory() + QStringLiteral("brevane.db");
    if (IsEmptyFile(databasePath)) return Fail(db, EmptyFileMessage(databasePath));
    if (!IsSqliteDriverRegistered()) return Fail(db, DriverMissingMessage());
    // Kept for other ODBC tools only: the program reaches its file by a connection string.
    if (!RegisterDataSource(databasePath, dsnName)) return Fail(db, IniNotWritableMessage());
    if (!db.ConnectWithString(CatchLogConnectionString(databasePath)))
        return Fail(db, ConnectionMessage(databasePath));
    if (!DistrustSchema(db)) return Fail(db, ConnectionMessage(databasePath));
    if (const QString opened = OpenedFile(db); !IsSameFile(opened, databasePath))
        return Fail(db, OtherFileMessage(opened, databasePath));

    // Before the first write: a damaged file is left exactly as it was found. A log that the
    // last run closed cleanly and that nothing has touched since is not read whole again.
    const std::optional<QString> problem = TakeCleanCloseRecord(databasePath)
                                               ? std::optional<QString>(QString())
                                               : IntegrityProblem(db);
    if (!problem) {
        db.Disconnect();
        return false;
    }
    if (!problem->isEmpty())
        return Fail(db, QStringLiteral("La base de données est endommagée\n") + *problem);

    return PrepareConnectedLog(db, withStarterLists);
}

bool OpenSharedCatchLog(CCatchDatabase& db, const QString& pictureDir, const QString& dsnName,
                        bool withStarterLists) {
    SetProgramDirectory(pictureDir);
    if (!db.Connect(dsnName, QString(), QString()))
        return Fail(db,
                    QStringLiteral("Impossible de se connecter au carnet partagé %1").arg(dsnName));
    if (!DistrustSchema(db)) return Fail(db, ConnectFailed());
    if (const std::optional<QString> problem = IntegrityProblem(db); !problem) {
        db.Disconnect();
        return false;
    } else if (!problem->isEmpty()) {
        return Fail(db, QStringLiteral("La base de données est endommagée\n") + *problem);
    }
    return PrepareConnectedLog(db, withStarterLists);
}

QString OpenSharedLogAsAtStart(CCatchDatabase& db, const QString& dsn, const QString& pictureDir,
                               const QString& executableFolder) {
    QString folder = PrepareDataFolder(SharedLogArguments(dsn, pictureDir), executableFolder);
    if (folder.isEmpty() || !OpenSharedCatchLog(db, folder, dsn)) return {};
    return folder;
}
