#include "db/DbTransaction.h"

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"

namespace {
// SQLite keeps savepoints as a stack: one name serves every nesting level.
const QString kSavepoint = QStringLiteral("brevane_interieur");
}  // namespace

CDbTransaction::CDbTransaction(CDbConnection& db, Kind kind) : m_db(db) {
    if (!m_db.CommitsEachStatement()) {
        // The outer transaction already decides when the write lock is taken.
        m_nested = true;
        m_db.ExecuteDirect(QStringLiteral("SAVEPOINT ") + kSavepoint);
        m_open = true;
        return;
    }
    // The driver commits after each statement unless told otherwise; an explicit BEGIN holds
    // everything until COMMIT.
    m_db.SetCommitEachStatement(false);
    try {
        const QStringList begin =
            BeginTransactionStatements(m_db.Engine(), kind == Kind::Immediate);
        for (qsizetype i = 0; i < begin.size(); ++i) {
            // Once the transaction is open, a refused lock must not leave it open.
            m_open = i > 0;
            m_db.ExecuteDirect(begin[i]);
        }
    } catch (CSQLException*) {
        if (m_open) CatchDbError([&] { m_db.ExecuteDirect(QStringLiteral("ROLLBACK")); });
        m_open = false;
        m_db.SetCommitEachStatement(true);
        throw;
    }
    m_open = true;
}

CDbTransaction::~CDbTransaction() {
    if (m_nested) {
        // The outer transaction's rollback undoes it all when this one fails.
        if (m_open)
            CatchDbError([&] {
                m_db.ExecuteDirect(QStringLiteral("ROLLBACK TO ") + kSavepoint);
                m_db.ExecuteDirect(QStringLiteral("RELEASE ") + kSavepoint);
            });
        return;
    }
    // A failed ROLLBACK is dropped: SQLite already undid the work when the failing statement
    // ended the transaction.
    if (m_open) CatchDbError([&] { m_db.ExecuteDirect(QStringLiteral("ROLLBACK")); });
    m_db.SetCommitEachStatement(true);
}

void CDbTransaction::Commit() {
    m_db.ExecuteDirect(m_nested ? QStringLiteral("RELEASE ") + kSavepoint
                                : QStringLiteral("COMMIT"));
    m_open = false;
}
