#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "catalog/CatalogKind.h"
#include "catalog/WorkProgress.h"

class CCatchDatabase;

// Catches read back from a spreadsheet file (CatchTable's columns, ";" or "," separators):
// first read and checked whole, so that the angler sees what will be written (Preview) before
// anything is; then written in one transaction through the program's own catch operations,
// creating the catalogue entries the file names and the log lacks.
class CCatchCsvImport {
public:
    // Reads and checks the file; writes nothing. Fails with "Ligne N : reason" on the first
    // bad row.
    WorkResult Read(CCatchDatabase& db, const QString& path, IWorkProgress& progress);

    int CatchCount() const { return static_cast<int>(m_rows.size()); }
    // The catalogue entries the import will create, by catalogue kind, in file order.
    const std::map<Table, QStringList>& NewEntries() const { return m_newEntries; }
    // What Write will do, in French, for the angler to confirm.
    QString Preview() const;

    // All or nothing: a stop or an error leaves the log as it was.
    WorkResult Write(CCatchDatabase& db, IWorkProgress& progress);

    struct Row {
        int line = 0;
        QStringList cells;  // in CatchTable's column order
    };

private:
    WorkResult ReadHeader(const QStringList& cells);
    QString RowProblem(const QStringList& cells);
    void NoteNames(Table kind, const QStringList& names);

    QList<int> m_columnOfField;  // for each file field, its CatchTable column
    std::vector<Row> m_rows;
    std::map<Table, QStringList> m_newEntries;
    // Known names by kind: exact text, and the text as the log compares it (ASCII case).
    std::map<Table, QHash<QString, int>> m_exact;
    std::map<Table, QHash<QString, int>> m_folded;
};
