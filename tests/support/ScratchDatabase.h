#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "db/DbConnection.h"
#include "db/SQLException.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

// A bare connection to an empty SQLite file of its own (no schema, no options), registered as
// the data source "BREVANE_SCRATCH" in the test process's odbc.ini. For tests of the database
// layer itself; tests of the catch log use TestCatchLog.
class ScratchDatabase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs one statement; fails the test on error. Returns ExecuteDirect's result.
    bool Exec(const QString& sql);
    // First column of the first row ("" when no row; fails the test on error).
    QString Scalar(const QString& sql);

    CDbConnection& Connection() { return m_connection; }
    RecordingMessages& Messages() { return m_messages; }
    QString Folder() const { return m_dir.path() + u'/'; }
    QString DatabasePath() const { return Folder() + QStringLiteral("scratch.db"); }

private:
    QTemporaryDir m_dir;
    CDbConnection m_connection;
    RecordingMessages m_messages;
};

// Runs a statement that must fail and hands back the exception it threw (owned by the caller);
// null when it succeeded.
std::unique_ptr<CSQLException> ErrorOf(CDbConnection& db, const QString& sql);
