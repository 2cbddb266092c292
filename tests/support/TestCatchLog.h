#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "catalog/CatchDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

// A fresh data folder in a temporary directory with a new catch log opened by the real
// start-up sequence (data source registration in $ODBCINI, base tables, options, schema
// steps), through the real unixODBC driver manager and SQLite ODBC driver.
class TestCatchLog : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs one SQL statement directly (setting up rows the test needs); fails the test on error.
    void Exec(const QString& sql);
    // First column of the first row of a query, as text ("" when no row).
    QString Scalar(const QString& sql);

    QString DataDir() const;  // ends with "/"
    CCatchDatabase& Db() { return *m_database; }
    RecordingMessages& Messages() { return m_messages; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CCatchDatabase> m_database;
    RecordingMessages m_messages;
};
