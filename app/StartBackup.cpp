#include "app/StartBackup.h"

#include <QtConcurrent/QtConcurrentRun>
#include <memory>

#include "db/DbConnection.h"
#include "store/AutomaticBackup.h"
#include "store/SchemaTrust.h"

namespace {

void Report(const QString& problem) {
    if (problem.isEmpty()) return;
    qWarning("%s",
             qUtf8Printable(QStringLiteral("Sauvegarde automatique impossible : ") + problem));
}

}  // namespace

void BackUpNow(CDbConnection& db, const QString& dataDir) {
    Report(WriteAutomaticBackup(db, dataDir));
}

void CStartBackup::Start(const CDbConnection& db, const QString& dataDir) {
    Wait();
    std::shared_ptr<CDbConnection> reader = OpenReadingConnection(db);
    if (!reader) {
        Report(QStringLiteral("pas de seconde connexion au carnet"));
        return;
    }
    // The connection is made, used and closed by the worker alone.
    m_done = QtConcurrent::run([reader = std::move(reader), dataDir]() mutable {
        Report(WriteAutomaticBackup(*reader, dataDir));
        reader.reset();
    });
}

void CStartBackup::Wait() { m_done.waitForFinished(); }
