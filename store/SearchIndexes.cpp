#include "store/SearchIndexes.h"

#include <memory>

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"

namespace {

const char* const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS PRISES_POISSON_POIDS ON PRISES(ID_POISSON, POIDS_POISSON)",
    "CREATE INDEX IF NOT EXISTS PRISES_POISSON_TAILLE ON PRISES(ID_POISSON, TAILLE_POISSON)",
    "CREATE INDEX IF NOT EXISTS PRISES_POISSON_NOMBRE ON PRISES(ID_POISSON, NOMBRE)",
    "CREATE INDEX IF NOT EXISTS PRISES_DATE ON PRISES(DATE_PRISE)",
    "CREATE INDEX IF NOT EXISTS PRISE_POISSONS_PRISE ON PRISE_POISSONS(ID_PRISE)",
    "CREATE INDEX IF NOT EXISTS PRISE_ESCHES_PRISE ON PRISE_ESCHES(ID_PRISE)",
    "CREATE INDEX IF NOT EXISTS PHOTOS_ALBUM ON PHOTOS(ID_ALBUM)",
};

}  // namespace

void EnsureSearchIndexes(CDbConnection& db) {
    RunOrShowError(false, [&] {
        for (const char* statement : kIndexes) db.ExecuteDirect(QString::fromLatin1(statement));
        return true;
    });
}
