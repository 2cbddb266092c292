#include "catalog/InsertedRow.h"

#include "catalog/CatchDatabase.h"
#include "db/SQLException.h"
#include "db/SqlInsert.h"

int InsertAndReadId(CCatchDatabase& database, CSqlInsert& insert, int selector) {
    try {
        database.ExecuteDirect(insert.GetSql());
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return -1;
    }
    const int id = database.GetLastId(selector);
    return id > 0 ? id : -1;
}
