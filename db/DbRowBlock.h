#pragma once

// Internal to db/: included only by the database layer's .cpp files.

#include <sql.h>

#include <QByteArrayView>
#include <vector>

// The rows of an executed SELECT fetched a block at a time into buffers bound to every column:
// one driver call per block instead of one per value, which is most of what a long list of
// short values costs. Each value keeps its first kValueBytes - 1 bytes.
class CDbRowBlock {
public:
    static constexpr SQLLEN kValueBytes = 64;
    static constexpr SQLULEN kRows = 256;

    // Binds every column of the statement's result; false when the driver refuses.
    bool Bind(SQLHSTMT statement);
    // Back to one row at a time, read by SQLGetData, after a refused Bind.
    static void Unbind(SQLHSTMT statement);
    // Moves to the next row, fetching the next block when this one is used up. SQL_SUCCESS
    // with a row there, SQL_NO_DATA at the end, or the driver's error.
    SQLRETURN Next(SQLHSTMT statement);
    // 1-based column of the current row; empty for NULL or a column not in the result.
    QByteArrayView Value(int column) const;

private:
    SQLSMALLINT m_columns = 0;
    std::vector<char> m_values;        // column after column, kRows values each
    std::vector<SQLLEN> m_indicators;  // the same layout, one per value
    SQLULEN m_fetched = 0;
    SQLULEN m_row = 0;
};
