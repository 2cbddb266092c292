#pragma once

class CCatchDatabase;
class CSqlInsert;

// Executes the INSERT, then reads back the identifier the database gave the new row
// ("SELECT MAX(ID)" of the table selector). A failure of either step has been shown to the
// angler; the result is then -1: a row without its identifier could not be changed or
// deleted later, so the caller does not count it as stored.
int InsertAndReadId(CCatchDatabase& database, CSqlInsert& insert, int selector);
