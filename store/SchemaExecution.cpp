#include "store/SchemaExecution.h"

#include <QDir>

#include "db/DbConnection.h"
#include "db/SQLException.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/SqlDialect.h"

SchemaOutcome RunSchemaStatement(CDbConnection& db, const QString& accessStatement,
                                 std::optional<short> accepted) {
    SchemaOutcome outcome = SchemaOutcome::Done;
    for (const QString& statement : ToEngineStatements(accessStatement, db.Engine())) {
        try {
            db.ExecuteDirect(statement);
        } catch (CSQLException* e) {
            // There is no schema version in the database: "already exists" is how a step
            // learns that an earlier start made its change.
            if (accepted && e->nativeError == *accepted) {
                delete e;
                outcome = SchemaOutcome::AlreadyThere;
                continue;
            }
            ShowDatabaseError(e);
            return SchemaOutcome::Failed;
        }
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
