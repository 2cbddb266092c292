#include "ui/panels/ChartLoader.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include "catalog/ChartQueries.h"
#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"

struct CChartLoader::Outcome {
    quint64 generation = 0;
    bool overtaken = false;
    ChartData data;
    QString error;  // "" on success
};

CChartLoader::CChartLoader(ConnectionMaker makeConnection, DatePartSql dateParts, QObject* parent)
    : QObject(parent),
      m_makeConnection(std::move(makeConnection)),
      m_dateParts(std::move(dateParts)) {
    // One thread: the connection is never used by two at once.
    m_pool.setMaxThreadCount(1);
}

CChartLoader::~CChartLoader() {
    ++m_generation;
    m_pool.clear();
    m_pool.waitForDone();
}

void CChartLoader::Request(ChartKind kind, const ChartFilter& filter) {
    const quint64 generation = ++m_generation;
    if (m_pending++ == 0) emit busyChanged(true);
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher] {
        const Outcome outcome = watcher->result();
        watcher->deleteLater();
        Finish(outcome);
    });
    watcher->setFuture(QtConcurrent::run(
        &m_pool, [this, generation, kind, filter] { return Count(generation, kind, filter); }));
}

CChartLoader::Outcome CChartLoader::Count(quint64 generation, ChartKind kind,
                                          const ChartFilter& filter) {
    Outcome outcome;
    outcome.generation = generation;
    if (generation != m_generation) {
        outcome.overtaken = true;
        return outcome;
    }
    if (!m_connection) m_connection = m_makeConnection();
    if (!m_connection) {
        outcome.error = QStringLiteral("Impossible de se connecter à la base de données");
        return outcome;
    }
    const auto error =
        CatchDbError([&] { outcome.data = QueryChart(*m_connection, kind, filter, m_dateParts); });
    if (error) outcome.error = DatabaseErrorText(*error);
    return outcome;
}

void CChartLoader::Finish(const Outcome& outcome) {
    if (--m_pending == 0) emit busyChanged(false);
    if (outcome.overtaken || outcome.generation != m_generation) return;
    if (outcome.error.isEmpty()) {
        emit chartReady(outcome.data);
    } else {
        emit chartFailed(outcome.error);
    }
}

void CChartLoader::WaitForDone() {
    m_pool.waitForDone();
    while (m_pending > 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
