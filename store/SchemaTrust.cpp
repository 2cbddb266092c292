#include "store/SchemaTrust.h"

#include "db/DbErrorGuard.h"
#include "db/DbConnection.h"
#include "db/SQLException.h"

void DistrustStoredSchema(CDbConnection& db) {
    db.ExecuteDirect(QStringLiteral("PRAGMA trusted_schema=OFF"));
}

std::unique_ptr<CDbConnection> OpenReadingConnection(const CDbConnection& db) {
    auto reader = std::make_unique<CDbConnection>();
    if (!reader->ConnectLike(db)) return nullptr;
    if (CatchDbError([&] { DistrustStoredSchema(*reader); })) return nullptr;
    return reader;
}
