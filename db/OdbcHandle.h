#pragma once

// Internal to db/: included only by the .cpp files of the database layer, never by a header
// that the rest of the program sees.

#include <sql.h>
#include <sqlext.h>

#include <utility>

// Owns one ODBC handle of a given kind and frees it exactly once. A null handle frees nothing.
class OdbcHandle {
public:
    explicit OdbcHandle(SQLSMALLINT type) : m_type(type) {}
    ~OdbcHandle() { Free(); }
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    // Allocates the handle under its parent (SQL_NULL_HANDLE for an environment).
    SQLRETURN Allocate(SQLHANDLE parent) {
        Free();
        return SQLAllocHandle(m_type, parent, &m_handle);
    }
    // Frees the handle if there is one; the result of the free is returned (SQL_SUCCESS when
    // there was nothing to free).
    SQLRETURN Free() {
        if (m_handle == SQL_NULL_HANDLE) return SQL_SUCCESS;
        const SQLRETURN result = SQLFreeHandle(m_type, m_handle);
        m_handle = SQL_NULL_HANDLE;
        return result;
    }
    // Forgets the handle without freeing it (a connection whose disconnect failed cannot be
    // freed; the driver manager would refuse).
    void Drop() { m_handle = SQL_NULL_HANDLE; }

    SQLHANDLE Get() const { return m_handle; }
    SQLSMALLINT Type() const { return m_type; }
    explicit operator bool() const { return m_handle != SQL_NULL_HANDLE; }

private:
    SQLSMALLINT m_type;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
};

inline bool OdbcSucceeded(SQLRETURN result) {
    return result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO;
}
