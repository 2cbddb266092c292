#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

#include "catalog/ChartData.h"
#include "catalog/DateParts.h"

class CDbConnection;

// Counts charts on a thread of its own, over a connection of its own, so that the window
// never waits for the database. Requests run one after the other; one that a newer request
// has overtaken is dropped unread and never reported.
class CChartLoader : public QObject {
    Q_OBJECT
public:
    // Makes the loader's connection, on its thread, at the first request; null on failure.
    using ConnectionMaker = std::function<std::unique_ptr<CDbConnection>()>;

    CChartLoader(ConnectionMaker makeConnection, DatePartSql dateParts, QObject* parent = nullptr);
    ~CChartLoader() override;

    void Request(ChartKind kind, const ChartFilter& filter);
    bool IsBusy() const { return m_pending > 0; }
    // Blocks until every request made so far has been counted and reported (tests).
    void WaitForDone();

signals:
    void chartReady(const ChartData& data);
    void chartFailed(const QString& message);
    void busyChanged(bool busy);

private:
    struct Outcome;
    Outcome Count(quint64 generation, ChartKind kind, const ChartFilter& filter);
    void Finish(const Outcome& outcome);

    ConnectionMaker m_makeConnection;
    DatePartSql m_dateParts;
    std::unique_ptr<CDbConnection> m_connection;  // used on the pool's thread only
    QThreadPool m_pool;
    std::atomic<quint64> m_generation{0};
    int m_pending = 0;
};
