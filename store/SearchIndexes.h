#pragma once

class CDbConnection;

// Indexes on the columns the program searches and sorts by (records per species, catches of a
// session, link rows of a catch, photos of an album). They change no result, only the time a
// twenty-year log takes to answer. Made when missing, after the schema steps; a failure is
// shown by the layer and is not fatal (the log still works, only slower).
void EnsureSearchIndexes(CDbConnection& db);
