#include "catalog/InsertedRow.h"

#include "catalog/CatchDatabase.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlInsert.h"

namespace {

// First column of the first row of a query that returns one number.
int ReadOneId(CCatchDatabase& database, const QString& sql) {
    CDbRecordset rows(database);
    rows.SetSql(sql);
    return rows.Open() && rows.Fetch() ? rows.GetInt(1) : -1;
}

}  // namespace

int InsertAndReadId(CCatchDatabase& database, CSqlInsert& insert) {
    const DbEngine engine = database.Engine();
    const int id = RunOrShowError(-1, [&] {
        const QString returning = ReturningIdClause(engine);
        if (!returning.isEmpty()) return ReadOneId(database, insert.GetSql() + returning);
        database.ExecuteDirect(insert.GetSql());
        return ReadOneId(database, NewRowIdQuery(engine));
    });
    return id > 0 ? id : -1;
}
