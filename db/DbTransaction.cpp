#include "db/DbTransaction.h"

#include "db/DbConnection.h"
#include "db/SQLException.h"

CDbTransaction::CDbTransaction(CDbConnection& db, Kind kind) : m_db(db) {
    // The driver commits after each statement unless told otherwise; an explicit BEGIN holds
    // everything until COMMIT.
    m_db.SetCommitEachStatement(false);
    try {
        m_db.ExecuteDirect(kind == Kind::Immediate ? QStringLiteral("BEGIN IMMEDIATE")
                                                   : QStringLiteral("BEGIN"));
    } catch (CSQLException*) {
        m_db.SetCommitEachStatement(true);
        throw;
    }
    m_open = true;
}

CDbTransaction::~CDbTransaction() {
    if (m_open) {
        try {
            m_db.ExecuteDirect(QStringLiteral("ROLLBACK"));
        } catch (CSQLException* e) {
            delete e;  // SQLite already undid it when the failing statement ended it
        }
    }
    m_db.SetCommitEachStatement(true);
}

void CDbTransaction::Commit() {
    m_db.ExecuteDirect(QStringLiteral("COMMIT"));
    m_open = false;
}
