#pragma once

#include <QHash>
#include <QString>
#include <map>
#include <vector>

#include "catalog/CatalogKind.h"

class CCatchDatabase;

// The label of the reference -1 ("nothing chosen"): ten blanks, so that the sheet keeps its
// columns.
QString NoReferenceLabel();

// Labels of catalogue rows looked up once per call: the first request for a kind reads the
// whole catalogue in one query, so a list of 10,000 catches costs a handful of queries.
// Gives exactly what GetLabel gives: ten blanks for -1, "" for a row that does not exist.
// Throws CSQLException* like the layer: callers sit inside their own handler.
class CLabelCache {
public:
    explicit CLabelCache(CCatchDatabase& database);
    QString Label(int id, Table kind);
    QString Labels(const std::vector<int>& ids, Table kind);  // joined by ", "

private:
    const QHash<int, QString>& LabelsOf(Table kind);
    CCatchDatabase& m_database;
    std::map<Table, QHash<int, QString>> m_tables;
};
