#include "db/DbRecordset.h"

#include <QByteArray>

#include "db/DbConnection.h"
#include "db/DbRowBlock.h"
#include "db/OdbcDiagnostics.h"
#include "db/OdbcHandle.h"

namespace {

// The reads after the first of a long text. Longer texts take several, joined.
constexpr SQLLEN kReadBufferSize = 16384;

}  // namespace

CDbRecordset::CDbRecordset(const CDbConnection& connection)
    : m_connectionHandle(connection.ConnectionHandle()) {}

CDbRecordset::~CDbRecordset() { FreeStatement(); }

void CDbRecordset::FreeStatement() {
    if (m_statementHandle != nullptr) {
        SQLFreeHandle(SQL_HANDLE_STMT, m_statementHandle);  // a failure here changes nothing
        m_statementHandle = nullptr;
    }
    // The buffers go after the statement bound to them.
    m_block.reset();
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
    if (m_wantBlocks) BindBlock();
    return true;
}

void CDbRecordset::BindBlock() {
    m_block = std::make_unique<CDbRowBlock>();
    if (m_block->Bind(m_statementHandle)) return;
    m_block.reset();
    CDbRowBlock::Unbind(m_statementHandle);
}

bool CDbRecordset::Fetch() {
    if (m_statementHandle == nullptr) return false;
    m_lastReturnCode = m_block ? m_block->Next(m_statementHandle) : SQLFetch(m_statementHandle);
    if (m_lastReturnCode == SQL_NO_DATA) return false;
    if (!OdbcSucceeded(m_lastReturnCode))
        throw ReadDiagnostics(SQL_HANDLE_STMT, m_statementHandle, m_statement);
    return true;
}

namespace {

// Bytes a read of this size delivered; the driver ends each part with a NUL.
qsizetype ReceivedBytes(const char* buffer, SQLLEN size, SQLLEN indicator) {
    SQLLEN received = size - 1;
    if (indicator != SQL_NO_TOTAL && indicator < received) received = indicator;
    if (received < 0) received = 0;
    return static_cast<qsizetype>(qstrnlen(buffer, static_cast<size_t>(received)));
}

}  // namespace

QByteArrayView CDbRecordset::ReadColumn(int column) {
    if (m_statementHandle == nullptr) return {};
    if (m_block) return m_block->Value(column);
    SQLLEN indicator = 0;
    m_firstRead[0] = '\0';
    m_lastReturnCode = SQLGetData(m_statementHandle, static_cast<SQLUSMALLINT>(column), SQL_C_CHAR,
                                  m_firstRead, kFirstReadSize, &indicator);
    if (m_lastReturnCode == SQL_NO_DATA) return {};
    if (!OdbcSucceeded(m_lastReturnCode))
        throw ReadDiagnostics(SQL_HANDLE_STMT, m_statementHandle, m_statement);
    if (indicator == SQL_NULL_DATA) return {};
    const qsizetype received = ReceivedBytes(m_firstRead, kFirstReadSize, indicator);
    if (m_lastReturnCode == SQL_SUCCESS) return QByteArrayView(m_firstRead, received);
    // Longer than the first read: the bytes are gathered and decoded once, since a read may
    // end inside a UTF-8 sequence.
    m_longValue = QByteArray(m_firstRead, received);
    ReadRestOfColumn(column);
    return m_longValue;
}

void CDbRecordset::ReadRestOfColumn(int column) {
    QByteArray buffer(kReadBufferSize, Qt::Uninitialized);
    for (;;) {
        SQLLEN indicator = 0;
        buffer[0] = '\0';
        m_lastReturnCode = SQLGetData(m_statementHandle, static_cast<SQLUSMALLINT>(column),
                                      SQL_C_CHAR, buffer.data(), kReadBufferSize, &indicator);
        if (m_lastReturnCode == SQL_NO_DATA) return;  // everything was read by earlier calls
        if (!OdbcSucceeded(m_lastReturnCode))
            throw ReadDiagnostics(SQL_HANDLE_STMT, m_statementHandle, m_statement);
        if (indicator == SQL_NULL_DATA) return;
        m_longValue.append(buffer.constData(),
                           ReceivedBytes(buffer.constData(), kReadBufferSize, indicator));
        if (m_lastReturnCode == SQL_SUCCESS) return;  // the last part has arrived
    }
}

QString CDbRecordset::GetText(int column, SqlValueKind) {
    m_columnText = QString::fromUtf8(ReadColumn(column));
    return m_columnText;
}

int CDbRecordset::GetInt(int column, SqlValueKind) {
    return ReadDecimalIntUtf8(ReadColumn(column));
}
double CDbRecordset::GetDouble(int column) { return ReadDecimalDouble(GetText(column)); }
