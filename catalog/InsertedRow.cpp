#include "catalog/InsertedRow.h"

#include "catalog/CatchDatabase.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"
#include "db/SqlInsert.h"

int InsertAndReadId(CCatchDatabase& database, CSqlInsert& insert, int selector) {
    const bool done = RunOrShowError(false, [&] {
        database.ExecuteDirect(insert.GetSql());
        return true;
    });
    if (!done) return -1;
    const int id = database.GetLastId(selector);
    return id > 0 ? id : -1;
}
