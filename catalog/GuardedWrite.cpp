#include "catalog/GuardedWrite.h"

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/DbTransaction.h"
#include "db/UserMessages.h"

bool RunGuardedWrite(CDbConnection& db, const std::function<bool()>& isRefused,
                     const QString& refusal, const std::function<bool()>& write) {
    enum class Outcome { Failed, Refused, Written };
    const Outcome outcome = RunOrShowError(Outcome::Failed, [&] {
        CDbTransaction transaction(db, CDbTransaction::Kind::Immediate);
        if (isRefused()) return Outcome::Refused;
        if (!write()) return Outcome::Failed;
        transaction.Commit();
        return Outcome::Written;
    });
    // Told once the transaction is over: the log is not held while the box waits.
    if (outcome == Outcome::Refused) ShowMessage(refusal, MessageIcon::None);
    return outcome == Outcome::Written;
}
