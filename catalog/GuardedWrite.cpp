#include "catalog/GuardedWrite.h"

#include "db/DbConnection.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "db/UserMessages.h"

bool RunGuardedWrite(CDbConnection& db, const std::function<bool()>& isRefused,
                     const QString& refusal, const std::function<bool()>& write) {
    bool refused = false;
    try {
        CDbTransaction transaction(db, CDbTransaction::Kind::Immediate);
        refused = isRefused();
        if (!refused) {
            if (!write()) return false;
            transaction.Commit();
            return true;
        }
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
    // Told once the transaction is over: the log is not held while the box waits.
    ShowMessage(refusal, MessageIcon::None);
    return false;
}
