#include "store/SchemaExecution.h"

#include <QDir>
#include <memory>

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/SqlDialect.h"

SchemaOutcome RunSchemaStatement(CDbConnection& db, const QString& accessStatement,
                                 std::optional<short> accepted) {
    SchemaOutcome outcome = SchemaOutcome::Done;
    for (const QString& statement : ToEngineStatements(accessStatement, db.Engine())) {
        // Each statement is its own savepoint inside the step's transaction: PostgreSQL
        // refuses every later statement of a transaction once one has failed, so an accepted
        // "already exists" must be undone on its own for the step to go on.
        const std::unique_ptr<CSQLException> error = CatchDbError([&] {
            CDbTransaction single(db);
            db.ExecuteDirect(statement);
            single.Commit();
        });
        if (!error) continue;
        // There is no schema version in the database: "already exists" is how a step learns
        // that an earlier start made its change.
        if (accepted && error->nativeError == *accepted) {
            outcome = SchemaOutcome::AlreadyThere;
            continue;
        }
        ShowDatabaseError(*error);
        return SchemaOutcome::Failed;
    }
    return outcome;
}

bool EnsurePictureFolder(const QString& name) {
    const QString images = GetProgramDirectory() + QStringLiteral("images/");
    if (FolderExists(images, name)) return true;
    if (QDir(images).exists() && QDir(images).mkdir(name)) return true;
    ShowMessage(QStringLiteral("Impossible de créer le répertoire ") + name, MessageIcon::Stop);
    return false;
}
