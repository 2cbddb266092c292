#include "db/DbEngine.h"

DbEngine EngineFromDbmsName(const QString& dbmsName) {
    if (dbmsName.startsWith(QLatin1String("SQLite"), Qt::CaseInsensitive)) return DbEngine::Sqlite;
    if (dbmsName.startsWith(QLatin1String("PostgreSQL"), Qt::CaseInsensitive))
        return DbEngine::PostgreSql;
    return DbEngine::Other;
}

QString ReturningIdClause(DbEngine engine) {
    return engine == DbEngine::PostgreSql ? QStringLiteral(" RETURNING ID") : QString();
}

QString NewRowIdQuery(DbEngine engine) {
    // MAX(ID) would give another member's row when two insert at the same moment.
    return engine == DbEngine::Sqlite ? QStringLiteral("SELECT last_insert_rowid()") : QString();
}

QStringList BeginTransactionStatements(DbEngine engine, bool writeLockNow) {
    if (engine == DbEngine::PostgreSql) {
        // One key for every Brevane on this database ("Brev" in ASCII). The wait is bounded
        // like SQLite's busy time-out: a member who holds the log too long gets "locked".
        return {QStringLiteral("BEGIN"), QStringLiteral("SET LOCAL lock_timeout = '1500ms'"),
                QStringLiteral("SELECT pg_advisory_xact_lock(1114793334)")};
    }
    if (engine == DbEngine::Sqlite && writeLockNow) return {QStringLiteral("BEGIN IMMEDIATE")};
    return {QStringLiteral("BEGIN")};
}
