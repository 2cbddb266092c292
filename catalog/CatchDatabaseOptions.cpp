// The options store: one OPTIONS row per key, values as decimal text.
#include "catalog/CatchDatabase.h"

#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"

QString CCatchDatabase::GetOption(const QString& key) {
    return RunOrShowError(QString(), [&] {
        CDbRecordset recordset(*this);
        recordset.SetSql(QStringLiteral("SELECT VALEUR FROM OPTIONS"));
        recordset.AddTextCondition(QStringLiteral("CLE"), key, SqlValueKind::Text);
        // Only the first row counts when a key was ever stored twice.
        if (recordset.Open() && recordset.Fetch()) return recordset.GetText(1);
        return QString();
    });
}

bool CCatchDatabase::SetOption(const QString& key, const QString& value) {
    return RunOrShowError(false, [&] {
        CSqlDelete remove(QStringLiteral("OPTIONS"));
        remove.AddTextCondition(QStringLiteral("CLE"), key, SqlValueKind::Text);
        ExecuteDirect(remove.GetSql());  // false only when the key had no row yet

        // An empty value is stored as NULL, which reads back as "" and gets its default at
        // the next start.
        CSqlInsert insert(QStringLiteral("OPTIONS"));
        insert.AddField(QStringLiteral("CLE"), key, SqlValueKind::Text);
        insert.AddField(QStringLiteral("VALEUR"), value, SqlValueKind::Text);
        ExecuteDirect(insert.GetSql());
        return true;
    });
}

bool CCatchDatabase::SetOptionInt(const QString& key, int value) {
    return SetOption(key, QString::number(value));
}
