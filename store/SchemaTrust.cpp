#include "store/SchemaTrust.h"

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"
#include "store/SqlDialect.h"

void DistrustStoredSchema(CDbConnection& db) {
    for (const QString& statement : ConnectionSetupStatements(db.Engine()))
        db.ExecuteDirect(statement);
}

std::unique_ptr<CDbConnection> OpenReadingConnection(const CDbConnection& db) {
    auto reader = std::make_unique<CDbConnection>();
    if (!reader->ConnectLike(db)) return nullptr;
    if (CatchDbError([&] { DistrustStoredSchema(*reader); })) return nullptr;
    return reader;
}
