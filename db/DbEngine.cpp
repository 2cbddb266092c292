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
