#include "db/ShowDatabaseError.h"

#include <memory>

#include "db/SQLException.h"
#include "db/UserMessages.h"

namespace {

// SQLite's primary result codes; the extended ones (SQLITE_IOERR_FSYNC and the like) carry
// the primary code in their low byte.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteIoError = 10;
constexpr int kSqliteFull = 13;
constexpr int kSqliteCantOpen = 14;

// The driver reports SQLite's failures as a general error: HY000 under ODBC 3, S1000 for an
// ODBC 2 application. Other states carry codes of the driver or the driver manager, whose
// numbers mean something else.
bool IsSqliteFailure(const QString& sqlState) {
    return sqlState == QLatin1String("HY000") || sqlState == QLatin1String("S1000");
}

DatabaseFault FaultOfCode(int code) {
    switch (code & 0xFF) {
        case kSqliteBusy:
        case kSqliteLocked:
            return DatabaseFault::Locked;
        case kSqliteReadOnly:
            return DatabaseFault::ReadOnly;
        case kSqliteIoError:
            return DatabaseFault::DiskError;
        case kSqliteFull:
            return DatabaseFault::DiskFull;
        case kSqliteCantOpen:
            return DatabaseFault::CannotOpen;
        default:
            return DatabaseFault::Other;
    }
}

// SQLite's own wording of the same faults, for a driver or a path that gives no usable code.
DatabaseFault FaultOfWording(const QString& message) {
    struct Wording {
        const char* text;
        DatabaseFault fault;
    };
    static constexpr Wording kWordings[] = {
        {"database is locked", DatabaseFault::Locked},
        {"database table is locked", DatabaseFault::Locked},
        {"database schema is locked", DatabaseFault::Locked},
        {"attempt to write a readonly database", DatabaseFault::ReadOnly},
        {"database or disk is full", DatabaseFault::DiskFull},
        {"disk I/O error", DatabaseFault::DiskError},
        {"unable to open database file", DatabaseFault::CannotOpen},
    };
    for (const Wording& wording : kWordings) {
        if (message.contains(QLatin1String(wording.text), Qt::CaseInsensitive))
            return wording.fault;
    }
    return DatabaseFault::Other;
}

}  // namespace

DatabaseFault ClassifyDatabaseError(short nativeError, const QString& sqlState,
                                    const QString& message) {
    // A server log names its faults by SQLSTATE: another member holds the write lock past the
    // wait, or two members' transactions crossed and one must try again.
    if (sqlState == QLatin1String("55P03") || sqlState == QLatin1String("40001") ||
        sqlState == QLatin1String("40P01"))
        return DatabaseFault::Locked;
    if (sqlState == QLatin1String("53100")) return DatabaseFault::DiskFull;
    if (nativeError > 0 && IsSqliteFailure(sqlState)) {
        const DatabaseFault byCode = FaultOfCode(nativeError);
        if (byCode != DatabaseFault::Other) return byCode;
    }
    return FaultOfWording(message);
}

DatabaseFault ClassifyDatabaseError(const CSQLException& exception) {
    return ClassifyDatabaseError(exception.nativeError, exception.sqlState, exception.message);
}

QString DatabaseFaultText(DatabaseFault fault) {
    switch (fault) {
        case DatabaseFault::Locked:
            return QStringLiteral(
                "La base de données est verrouillée par un autre programme. Réessayez dans un "
                "instant.");
        case DatabaseFault::ReadOnly:
            return QStringLiteral(
                "Le dossier de données est en lecture seule : la modification n'a pas été "
                "enregistrée.");
        case DatabaseFault::DiskFull:
            return QStringLiteral(
                "Le disque est plein : la modification n'a pas été enregistrée. Libérez de la "
                "place puis réessayez.");
        case DatabaseFault::DiskError:
            return QStringLiteral(
                "Erreur d'écriture sur le disque : la modification n'a pas été enregistrée.");
        case DatabaseFault::CannotOpen:
            return QStringLiteral(
                "Le fichier de la base de données ne peut pas être ouvert : vérifiez que le "
                "dossier de données existe et qu'il est accessible en écriture.");
        case DatabaseFault::Other:
            break;
    }
    return QString();
}

QString RefusedOperationText() {
    return QStringLiteral("La base de données a refusé l'opération : elle n'a pas été effectuée.");
}

QString DatabaseErrorText(const CSQLException& exception) {
    QString sentence = DatabaseFaultText(ClassifyDatabaseError(exception));
    // The driver speaks English (a refused statement, a constraint, an unsafe function): the
    // angler first reads, in French, that nothing was done.
    if (sentence.isEmpty()) sentence = RefusedOperationText();
    if (exception.message.isEmpty()) return sentence;
    return sentence + QStringLiteral("\n\nDétail : ") + exception.message;
}

void ShowDatabaseError(const CSQLException& exception) {
    ShowMessage(DatabaseErrorText(exception), MessageIcon::Stop);
}

void ShowDatabaseError(CSQLException* exception) {
    const std::unique_ptr<CSQLException> owned(exception);
    if (owned) ShowDatabaseError(*owned);
}
