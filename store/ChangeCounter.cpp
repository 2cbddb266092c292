#include "store/ChangeCounter.h"

#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/CatchRow.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"

namespace {

// The tables a window shows; OPTIONS is left out (the preferences re-read themselves).
QStringList WatchedTables() {
    QStringList tables = {LinkTableForKind(Table::Fish), LinkTableForKind(Table::Baits)};
    for (const Table table : {Table::Sessions, Table::Catches, Table::Albums, Table::Photos})
        tables << TableName(table);
    for (const Table table : kCatalogues) tables << TableName(table);
    return tables;
}

QString TriggerName(const QString& table) { return QStringLiteral("CHANGEMENT_") + table; }

// Every trigger already there: the step has nothing to do. Asked first so that a normal start
// takes no lock on the tables.
bool CounterComplete(CDbConnection& db) {
    CDbRecordset count(db);
    count.SetSql(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM pg_trigger WHERE tgname LIKE 'changement\\_%' AND tgrelid "
        "IN (SELECT oid FROM pg_class WHERE relnamespace = current_schema()::regnamespace)), "
        "(SELECT COUNT(*) FROM pg_class WHERE relname = 'changements' AND relnamespace = "
        "current_schema()::regnamespace)"));
    return count.Open() && count.Fetch() && count.GetInt(1) == WatchedTables().size() &&
           count.GetInt(2) == 1;
}

QStringList ServerCounterStatements() {
    QStringList statements = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS CHANGEMENTS (N BIGINT NOT NULL)"),
        QStringLiteral("INSERT INTO CHANGEMENTS (N) SELECT 0 WHERE NOT EXISTS "
                       "(SELECT 1 FROM CHANGEMENTS)"),
        // The search path of the log's creation, so that every member's session bumps this
        // log's counter whatever its own path.
        QStringLiteral("CREATE OR REPLACE FUNCTION BREVANE_CHANGEMENT() RETURNS trigger "
                       "LANGUAGE plpgsql SET search_path FROM CURRENT AS "
                       "$$BEGIN UPDATE CHANGEMENTS SET N = N + 1; RETURN NULL; END$$"),
    };
    // Once per statement, not per row: an import of a thousand catches bumps it once.
    for (const QString& table : WatchedTables())
        statements << QStringLiteral(
                          "CREATE OR REPLACE TRIGGER %1 AFTER INSERT OR UPDATE OR DELETE ON %2 "
                          "FOR EACH STATEMENT EXECUTE FUNCTION BREVANE_CHANGEMENT()")
                          .arg(TriggerName(table), table);
    return statements;
}

}  // namespace

bool AddChangeCounter(CCatchDatabase& db) {
    if (db.Engine() != DbEngine::PostgreSql) return true;
    const std::optional<bool> complete = CheckOrShowError([&] { return CounterComplete(db); });
    if (!complete) return false;
    if (*complete) return true;
    std::unique_ptr<CSQLException> error = CatchDbError([&] {
        CDbTransaction transaction(db, CDbTransaction::Kind::Immediate);
        for (const QString& statement : ServerCounterStatements()) db.ExecuteDirect(statement);
        transaction.Commit();
    });
    // A member whose account does not own the club's tables still opens the log: windows then
    // fill their lists anew at each look, until the owner's next start adds the counter.
    if (!error || error->sqlState == QLatin1String("42501")) return true;
    ShowDatabaseError(*error);
    return false;
}

std::optional<qint64> ReadChangeCount(CDbConnection& db) {
    QString query;
    if (db.Engine() == DbEngine::Sqlite) query = QStringLiteral("PRAGMA data_version");
    if (db.Engine() == DbEngine::PostgreSql) query = QStringLiteral("SELECT N FROM CHANGEMENTS");
    if (query.isEmpty()) return std::nullopt;
    CDbRecordset count(db);
    count.SetSql(query);
    if (!count.Open() || !count.Fetch()) return std::nullopt;
    return count.GetText(1).toLongLong();
}
