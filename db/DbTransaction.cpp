#include "db/DbTransaction.h"

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"

CDbTransaction::CDbTransaction(CDbConnection& db) : m_db(db) {
    // The driver commits after each statement unless told otherwise; an explicit BEGIN holds
    // everything until COMMIT.
    m_db.SetCommitEachStatement(false);
    try {
        m_db.ExecuteDirect(QStringLiteral("BEGIN"));
    } catch (CSQLException*) {
        m_db.SetCommitEachStatement(true);
        throw;
    }
    m_open = true;
}

CDbTransaction::~CDbTransaction() {
    // A failed ROLLBACK is dropped: SQLite already undid the work when the failing statement
    // ended the transaction.
    if (m_open) CatchDbError([&] { m_db.ExecuteDirect(QStringLiteral("ROLLBACK")); });
    m_db.SetCommitEachStatement(true);
}

void CDbTransaction::Commit() {
    m_db.ExecuteDirect(QStringLiteral("COMMIT"));
    m_open = false;
}
