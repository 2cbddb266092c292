#pragma once

#include <memory>

class CDbConnection;

// The driver registers file-reading and file-writing SQL functions on every connection: a
// catch log from elsewhere must not reach them from a trigger or a view. Run on every
// connection right after connecting; throws CSQLException* when refused.
void DistrustStoredSchema(CDbConnection& db);

// A second connection to the log that db has open, distrusting its schema as well, for reads
// on another thread. Shows nothing (it may run off the window's thread); null on failure.
std::unique_ptr<CDbConnection> OpenReadingConnection(const CDbConnection& db);
