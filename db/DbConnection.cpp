#include "db/DbConnection.h"

#include "db/OdbcDiagnostics.h"
#include "db/OdbcHandle.h"

namespace {

// Seconds the driver may take to open the file before Connect gives up.
constexpr SQLULEN kLoginTimeoutSeconds = 7;

// The driver's own name for its engine; "" when it does not say.
QString ReadDbmsName(SQLHDBC connection) {
    SQLCHAR name[128] = {0};
    SQLSMALLINT length = 0;
    if (!OdbcSucceeded(SQLGetInfo(connection, SQL_DBMS_NAME, name, sizeof name, &length)))
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(name));
}

}  // namespace

struct CDbConnection::Handles {
    OdbcHandle environment{SQL_HANDLE_ENV};
    OdbcHandle connection{SQL_HANDLE_DBC};
};

CDbConnection::CDbConnection() : m_handles(std::make_unique<Handles>()) {}

CDbConnection::~CDbConnection() { Disconnect(); }

bool CDbConnection::ConnectWith(ConnectCall connectCall) {
    if (m_connected) Disconnect();
    m_connected = false;
    m_lastReturnCode = 0;
    m_commitEachStatement = true;
    m_handles = std::make_unique<Handles>();
    Handles& h = *m_handles;

    auto failed = [this, &h](SQLRETURN result) {
        m_lastReturnCode = result;
        if (OdbcSucceeded(result)) return false;
        // Nothing half-made survives a failed connection attempt.
        h.connection.Free();
        h.environment.Free();
        return true;
    };

    if (failed(h.environment.Allocate(SQL_NULL_HANDLE))) return false;
    if (failed(SQLSetEnvAttr(h.environment.Get(), SQL_ATTR_ODBC_VERSION,
                             reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)))
        return false;
    if (failed(h.connection.Allocate(h.environment.Get()))) return false;
    // ODBC hands integer attributes over in its pointer argument.
    if (failed(SQLSetConnectAttr(h.connection.Get(), SQL_ATTR_LOGIN_TIMEOUT,
                                 // NOLINTNEXTLINE(performance-no-int-to-ptr)
                                 reinterpret_cast<SQLPOINTER>(kLoginTimeoutSeconds), 0)))
        return false;
    if (failed(connectCall(h.connection.Get()))) return false;

    m_engine = EngineFromDbmsName(ReadDbmsName(h.connection.Get()));
    m_connected = true;
    m_connectCall = std::move(connectCall);
    return true;
}

bool CDbConnection::Connect(const QString& dataSourceName, const QString& userName,
                            const QString& password) {
    // Captured by value: ConnectLike replays the call later.
    return ConnectWith([dsn = ToDriverText(dataSourceName), user = ToDriverText(userName),
                        secret = ToDriverText(password)](void* connection) mutable {
        return SQLConnect(static_cast<SQLHDBC>(connection), reinterpret_cast<SQLCHAR*>(dsn.data()),
                          SQL_NTS, reinterpret_cast<SQLCHAR*>(user.data()), SQL_NTS,
                          reinterpret_cast<SQLCHAR*>(secret.data()), SQL_NTS);
    });
}

bool CDbConnection::ConnectWithString(const QString& connectionString) {
    return ConnectWith([text = ToDriverText(connectionString)](void* connection) mutable {
        return SQLDriverConnect(static_cast<SQLHDBC>(connection), nullptr,
                                reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS, nullptr, 0,
                                nullptr, SQL_DRIVER_NOPROMPT);
    });
}

bool CDbConnection::ConnectLike(const CDbConnection& other) {
    if (!other.m_connected) return false;
    return ConnectWith(other.m_connectCall);
}

bool CDbConnection::Disconnect() {
    if (!m_connected) return false;
    Handles& h = *m_handles;
    if (h.connection) {
        m_lastReturnCode = SQLDisconnect(h.connection.Get());
        if (OdbcSucceeded(m_lastReturnCode))
            h.connection.Free();
        else
            h.connection.Drop();
    }
    h.environment.Free();
    m_connected = false;
    m_engine = DbEngine::Other;
    return true;
}

bool CDbConnection::ExecuteDirect(const QString& sql) {
    if (!m_connected || !m_handles->connection) {
        // Executing without a connection is a programming slip; report it like a driver
        // error (08003: connection not open) instead of reading diagnostics of a null handle.
        throw new CSQLException(0, QStringLiteral("La base de données n'est pas connectée"),
                                QStringLiteral("08003"));
    }
    SQLHANDLE connection = m_handles->connection.Get();
    OdbcHandle statement(SQL_HANDLE_STMT);
    m_lastReturnCode = statement.Allocate(connection);
    if (!OdbcSucceeded(m_lastReturnCode)) throw ReadDiagnostics(SQL_HANDLE_DBC, connection);

    QByteArray text = ToDriverText(sql);
    m_lastReturnCode =
        SQLExecDirect(statement.Get(), reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
    if (OdbcSucceeded(m_lastReturnCode)) {
        if (m_commitEachStatement) {
            const SQLRETURN commit = SQLEndTran(SQL_HANDLE_DBC, connection, SQL_COMMIT);
            if (!OdbcSucceeded(commit)) {
                m_lastReturnCode = commit;
                throw ReadDiagnostics(SQL_HANDLE_DBC, connection);  // statement freed by RAII
            }
        }
    } else if (m_lastReturnCode != SQL_NO_DATA) {
        CSQLException* error = ReadDiagnostics(SQL_HANDLE_STMT, statement.Get());
        statement.Free();
        throw error;
    }
    statement.Free();
    return m_lastReturnCode != SQL_NO_DATA;
}

void CDbConnection::SetCommitEachStatement(bool on) { m_commitEachStatement = on; }

bool CDbConnection::IsConnected() const { return m_connected; }

short CDbConnection::LastReturnCode() const { return m_lastReturnCode; }

void* CDbConnection::ConnectionHandle() const {
    return m_connected ? m_handles->connection.Get() : nullptr;
}
