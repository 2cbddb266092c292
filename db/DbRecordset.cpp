#include "db/DbRecordset.h"

#include <QByteArray>

#include "db/DbConnection.h"
#include "db/OdbcDiagnostics.h"
#include "db/OdbcHandle.h"

namespace {

// One read of SQLGetData. Longer texts are read in several reads and joined, so the size
// only trades calls against stack.
constexpr SQLLEN kReadBufferSize = 16384;

}  // namespace

CDbRecordset::CDbRecordset(const CDbConnection& connection)
    : m_connectionHandle(connection.ConnectionHandle()) {}

CDbRecordset::~CDbRecordset() { FreeStatement(); }

void CDbRecordset::FreeStatement() {
    if (m_statementHandle == nullptr) return;
    SQLFreeHandle(SQL_HANDLE_STMT, m_statementHandle);  // a failure here changes nothing
    m_statementHandle = nullptr;
}

void CDbRecordset::SetSql(const QString& sql) {
    m_statement = sql;
    m_whereAppended = false;
}

bool CDbRecordset::Open() {
    if (!m_whereAppended && !m_conditions.isEmpty())
        m_statement += QStringLiteral(" where ") + m_conditions;
    m_whereAppended = true;
    if (m_connectionHandle == nullptr) return false;

    FreeStatement();
    SQLHANDLE statement = SQL_NULL_HANDLE;
    m_lastReturnCode = SQLAllocHandle(SQL_HANDLE_STMT, m_connectionHandle, &statement);
    if (!OdbcSucceeded(m_lastReturnCode))
        throw ReadDiagnostics(SQL_HANDLE_DBC, m_connectionHandle, m_statement);
    m_statementHandle = statement;

    QByteArray text = ToDriverText(m_statement);
    m_lastReturnCode =
        SQLExecDirect(m_statementHandle, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
    // A SELECT never answers SQL_NO_DATA; anything but success is an error of the text.
    if (!OdbcSucceeded(m_lastReturnCode))
        throw ReadDiagnostics(SQL_HANDLE_STMT, m_statementHandle, m_statement);
    return true;
}

bool CDbRecordset::Fetch() {
    if (m_statementHandle == nullptr) return false;
    m_lastReturnCode = SQLFetch(m_statementHandle);
    if (m_lastReturnCode == SQL_NO_DATA) return false;
    if (!OdbcSucceeded(m_lastReturnCode))
        throw ReadDiagnostics(SQL_HANDLE_STMT, m_statementHandle, m_statement);
    return true;
}

QString CDbRecordset::GetText(int column, SqlValueKind) {
    m_columnText.clear();
    if (m_statementHandle == nullptr) return m_columnText;

    // The bytes are gathered first and decoded once: a read may end inside a UTF-8 sequence.
    QByteArray bytes;
    char buffer[kReadBufferSize];
    for (;;) {
        SQLLEN indicator = 0;
        buffer[0] = '\0';
        m_lastReturnCode = SQLGetData(m_statementHandle, static_cast<SQLUSMALLINT>(column),
                                      SQL_C_CHAR, buffer, kReadBufferSize, &indicator);
        if (m_lastReturnCode == SQL_NO_DATA) break;  // everything was read by earlier calls
        if (!OdbcSucceeded(m_lastReturnCode))
            throw ReadDiagnostics(SQL_HANDLE_STMT, m_statementHandle, m_statement);
        if (indicator == SQL_NULL_DATA) break;
        SQLLEN received = kReadBufferSize - 1;
        if (indicator != SQL_NO_TOTAL && indicator < received) received = indicator;
        if (received < 0) received = 0;
        bytes.append(buffer, static_cast<qsizetype>(qstrnlen(buffer, received)));
        if (m_lastReturnCode == SQL_SUCCESS) break;  // the last part has arrived
    }
    m_columnText = QString::fromUtf8(bytes);
    return m_columnText;
}

int CDbRecordset::GetInt(int column, SqlValueKind kind) {
    return ReadDecimalInt(GetText(column, kind));
}

double CDbRecordset::GetDouble(int column) { return ReadDecimalDouble(GetText(column)); }
