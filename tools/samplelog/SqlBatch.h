#pragma once

#include <QString>

class CDbConnection;

// Rows of one table written many at a time: "INSERT INTO T (a, b) VALUES (..), (..), ..".
// One statement per few hundred rows instead of one per row is what makes a log of 100,000
// catches take seconds. Throws the layer's CSQLException* like ExecuteDirect.
class CSqlBatch {
public:
    // columns: "a, b, c" in the order of the tuples given to Add.
    CSqlBatch(CDbConnection& db, const QString& table, const QString& columns,
              int rowsPerStatement = 250);
    // tuple: the values of one row, already written as SQL ("1, 'x', NULL"), without brackets.
    void Add(const QString& tuple);
    // Writes what is waiting; call it before the transaction commits.
    void Flush();
    int RowsWritten() const { return m_written; }

private:
    CDbConnection& m_db;
    QString m_head;
    QString m_values;
    int m_rowsPerStatement;
    int m_waiting = 0;
    int m_written = 0;
};

// A text value as the program's builders write text typed by the angler: NULL when empty,
// otherwise quoted with its quotes doubled.
QString SqlText(const QString& text);
