#pragma once

#include <QString>
#include <optional>

class CDbConnection;

// How one schema statement ended.
enum class SchemaOutcome {
    Done,          // executed: the table or column was made in this run
    AlreadyThere,  // the accepted "already exists" code: nothing to do, nothing shown
    Failed,        // any other error, already shown to the angler
};

// Runs one schema statement written in the Access dialect, translated by SqlDialect. When the
// translation gives several statements, each is tolerant on its own and the first failure
// ends the run. `accepted` is ERR_TABLE_EXISTS, ERR_COLUMN_EXISTS or nothing.
SchemaOutcome RunSchemaStatement(CDbConnection& db, const QString& accessStatement,
                                 std::optional<short> accepted);

// The folder step: images/<name> below the data folder is made when missing (one level:
// images/ itself must exist). "Impossible de créer le répertoire <name>" when it can't be.
bool EnsurePictureFolder(const QString& name);
