#include "store/CatchLogOpener.h"

#include <QFileInfo>

#include "catalog/CatchDatabase.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/BaseSchema.h"
#include "store/DataSource.h"
#include "store/OptionDefaults.h"
#include "store/SearchIndexes.h"
#include "store/SqlDialect.h"

namespace {

bool Fail(CCatchDatabase& db, const QString& message) {
    ShowMessage(message, MessageIcon::Stop);
    db.Disconnect();  // does nothing when not connected
    return false;
}

bool RunConnectionSetup(CCatchDatabase& db) {
    try {
        for (const QString& statement : ConnectionSetupStatements(db.Engine()))
            db.ExecuteDirect(statement);
        return true;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
}

// "" when the engine finds the log sound (or has no check of its own), else the first problem
// it reports. Reads only. A log that another program holds, or that cannot be opened, is not a
// damaged one: those errors are thrown on, for the caller to show as they are.
QString FirstIntegrityProblem(CCatchDatabase& db) {
    const QString query = IntegrityCheckQuery(db.Engine());
    if (query.isEmpty()) return {};
    try {
        CDbRecordset check(db);
        check.SetSql(query);
        if (!check.Open()) return QStringLiteral("connexion perdue");
        if (!check.Fetch()) return QStringLiteral("aucune réponse du contrôle");
        const QString first = check.GetText(1);
        return first == QLatin1String("ok") ? QString() : first;
    } catch (CSQLException* e) {
        const DatabaseFault fault = ClassifyDatabaseError(*e);
        if (fault == DatabaseFault::Locked || fault == DatabaseFault::CannotOpen) throw;
        const QString problem = e->message;
        delete e;
        return problem;
    }
}

// A file that holds no table at all: new, or a creation that did not finish.
bool HasNoTable(CCatchDatabase& db) {
    try {
        CDbRecordset tables(db);
        tables.SetSql(TableCountQuery(db.Engine()));
        return tables.Open() && tables.Fetch() && tables.GetInt(1) == 0;
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
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

struct UpgradeStep {
    bool (CCatchDatabase::*run)();
    const char* version;
};

constexpr UpgradeStep kUpgrades[] = {
    {&CCatchDatabase::UpgradeTo11, "1.1"}, {&CCatchDatabase::UpgradeTo12, "1.2"},
    {&CCatchDatabase::UpgradeTo13, "1.3"}, {&CCatchDatabase::UpgradeTo15, "1.5"},
    {&CCatchDatabase::UpgradeTo20, "2.0"},
};

// Everything after the connection, the same for a file and a server log.
bool PrepareConnectedLog(CCatchDatabase& db, bool withStarterLists) {
    if (!RunConnectionSetup(db))
        return Fail(db, QStringLiteral("Impossible de se connecter à la base de données"));

    // Before the first write: a damaged file is left exactly as it was found.
    QString problem;
    try {
        problem = FirstIntegrityProblem(db);
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        db.Disconnect();
        return false;
    }
    if (!problem.isEmpty())
        return Fail(db, QStringLiteral("La base de données est endommagée\n") + problem);

    db.SetCommitEachStatement(true);
    if (HasNoTable(db) && !CreateBaseSchema(db, withStarterLists))
        return Fail(db, QStringLiteral("Impossible de créer la base de données"));

    EnsureDefaultOptions(db);
    for (const UpgradeStep& step : kUpgrades) {
        if (!(db.*step.run)())
            return Fail(db, QStringLiteral("Problème lors de la mise à jour de la version ") +
                                QLatin1String(step.version));
    }
    EnsureSearchIndexes(db);
    return true;
}

}  // namespace

bool OpenCatchLog(CCatchDatabase& db, const QString& dataDir, const QString& dsnName,
                  bool withStarterLists) {
    SetProgramDirectory(dataDir);
    const QString databasePath = GetProgramDirectory() + QStringLiteral("brevane.db");
    if (IsEmptyFile(databasePath)) return Fail(db, EmptyFileMessage(databasePath));
    if (!RegisterDataSource(databasePath, dsnName))
        return Fail(db, QStringLiteral("Impossible de configurer la base de données"));
    if (!db.Connect(dsnName, QString(), QString()))
        return Fail(db, QStringLiteral("Impossible de se connecter à la base de données"));
    return PrepareConnectedLog(db, withStarterLists);
}

bool OpenSharedCatchLog(CCatchDatabase& db, const QString& pictureDir, const QString& dsnName,
                        bool withStarterLists) {
    SetProgramDirectory(pictureDir);
    if (!db.Connect(dsnName, QString(), QString()))
        return Fail(db,
                    QStringLiteral("Impossible de se connecter au carnet partagé %1").arg(dsnName));
    return PrepareConnectedLog(db, withStarterLists);
}
