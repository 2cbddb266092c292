#pragma once

class CCatchDatabase;
class CSqlInsert;

// Executes the INSERT and hands back the identifier the database gave the new row, as the
// connection itself knows it: several members may insert into one server log at the same
// moment, so the highest identifier of the table may be another member's row. A failure has
// been shown to the angler; the result is then -1: a row without its identifier could not be
// changed or deleted later, so the caller does not count it as stored.
int InsertAndReadId(CCatchDatabase& database, CSqlInsert& insert);
