#pragma once

#include <QString>
#include <memory>

// Owns the ODBC environment and connection; executes single statements that return no rows.
// sql.h stays out of this header: handles travel as opaque pointers.
class CDbConnection {
public:
    CDbConnection();
    virtual ~CDbConnection();
    CDbConnection(const CDbConnection&) = delete;
    CDbConnection& operator=(const CDbConnection&) = delete;

    // False on any failure, with nothing left allocated; never throws.
    bool Connect(const QString& dataSourceName, const QString& userName, const QString& password);
    // A second connection to what other is connected to, made as other was (for reads on
    // another thread). False when other is not connected or on any failure; never throws.
    bool ConnectLike(const CDbConnection& other);
    // False when not connected.
    bool Disconnect();
    // True on success, false for SQL_NO_DATA (an UPDATE or DELETE that touched no row);
    // throws CSQLException* on any other outcome.
    bool ExecuteDirect(const QString& sql);
    void SetCommitEachStatement(bool on);
    // False while a transaction holds the statements (CDbTransaction).
    bool CommitsEachStatement() const { return m_commitEachStatement; }

    bool IsConnected() const;
    short LastReturnCode() const;
    // The SQLHDBC, for CDbRecordset; null when not connected.
    void* ConnectionHandle() const;

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
    short m_lastReturnCode = 0;
    bool m_connected = false;
    bool m_commitEachStatement = true;
    // What Connect was given, for ConnectLike.
    QString m_dataSourceName;
    QString m_userName;
    QString m_password;
};
