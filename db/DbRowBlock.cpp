#include "db/DbRowBlock.h"

#include <sqlext.h>

#include <QtGlobal>
#include <algorithm>

namespace {

// ODBC passes integer statement attributes in the pointer argument.
SQLRETURN SetIntegerAttribute(SQLHSTMT statement, SQLINTEGER attribute, SQLULEN value) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    return SQLSetStmtAttr(statement, attribute, reinterpret_cast<SQLPOINTER>(value), 0);
}

}  // namespace

void CDbRowBlock::Unbind(SQLHSTMT statement) {
    SQLFreeStmt(statement, SQL_UNBIND);
    SetIntegerAttribute(statement, SQL_ATTR_ROW_ARRAY_SIZE, 1);
}

bool CDbRowBlock::Bind(SQLHSTMT statement) {
    if (!SQL_SUCCEEDED(SQLNumResultCols(statement, &m_columns)) || m_columns <= 0) return false;
    const auto columns = static_cast<size_t>(m_columns);
    m_values.assign(columns * kRows * kValueBytes, '\0');
    m_indicators.assign(columns * kRows, SQL_NULL_DATA);
    const bool bound =
        SQL_SUCCEEDED(SetIntegerAttribute(statement, SQL_ATTR_ROW_BIND_TYPE, SQL_BIND_BY_COLUMN)) &&
        SQL_SUCCEEDED(SetIntegerAttribute(statement, SQL_ATTR_ROW_ARRAY_SIZE, kRows)) &&
        SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, &m_fetched, 0));
    if (!bound) return false;
    for (SQLSMALLINT column = 0; column < m_columns; ++column) {
        const size_t first = static_cast<size_t>(column) * kRows;
        if (!SQL_SUCCEEDED(SQLBindCol(statement, static_cast<SQLUSMALLINT>(column + 1), SQL_C_CHAR,
                                      &m_values[first * kValueBytes], kValueBytes,
                                      &m_indicators[first])))
            return false;
    }
    m_fetched = 0;
    m_row = 0;
    return true;
}

SQLRETURN CDbRowBlock::Next(SQLHSTMT statement) {
    if (++m_row < m_fetched) return SQL_SUCCESS;
    m_row = 0;
    m_fetched = 0;
    const SQLRETURN result = SQLFetchScroll(statement, SQL_FETCH_NEXT, 0);
    // A value cut to the buffer arrives as "success with information"; the cut is documented.
    if (result == SQL_SUCCESS_WITH_INFO) return m_fetched > 0 ? SQL_SUCCESS : SQL_NO_DATA;
    if (result == SQL_SUCCESS && m_fetched == 0) return SQL_NO_DATA;
    return result;
}

QByteArrayView CDbRowBlock::Value(int column) const {
    if (column < 1 || column > m_columns || m_row >= m_fetched) return {};
    const size_t slot = static_cast<size_t>(column - 1) * kRows + m_row;
    const SQLLEN indicator = m_indicators[slot];
    if (indicator == SQL_NULL_DATA) return {};
    const char* value = &m_values[slot * kValueBytes];
    // The driver ends each value with a NUL; a longer one is cut there.
    const SQLLEN length =
        indicator == SQL_NO_TOTAL ? kValueBytes - 1 : std::min(indicator, kValueBytes - 1);
    return {value, static_cast<qsizetype>(qstrnlen(value, static_cast<size_t>(length)))};
}
