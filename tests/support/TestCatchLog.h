#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "catalog/CatchDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <gtest/gtest.h>

// A fresh data folder in a temporary directory with a new catch log opened by the real
// start-up sequence (data source registration in $ODBCINI, base tables, options, schema
// steps), through the real unixODBC driver manager and SQLite ODBC driver. The first start
// (slow: every statement is synced to disk) is made once per test process; each test gets a
// copy of its brevane.db, on which the start-up sequence runs again as at a second start.
//
// What a test finds after SetUp:
//   - DataDir() is also GetProgramDirectory(); it holds brevane.db and the delivered images/
//     tree (nophoto.jpg, Poissons, Lieux, Esches, Montages, PRISES) plus images/Amorces and
//     images/photos made by the schema steps;
//   - the full schema, the 25 options at their defaults, the 8 wind directions and the 12
//     tides; every other catalogue is EMPTY (no starter list), so identifiers start at 1;
//   - Messages() is the registered message sink and holds nothing yet; questions are
//     answered Yes unless the test sets Messages().answerYes = false.
// The data source is "BREVANE" in the test process's own odbc.ini (see TestEnvironment.h).
// On the server run (TestServer.h) it names an empty log of its own on the test cluster, where
// the first start runs (fast there: nothing waits for the disk); DataDir() holds the pictures.
class TestCatchLog : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs one SQL statement directly (setting up rows the test needs); fails the test on error.
    void Exec(const QString& sql);
    // First column of the first row of a query, as text ("" when no row or on error, which
    // also fails the test).
    QString Scalar(const QString& sql);
    // Scalar read as a decimal integer.
    int ScalarInt(const QString& sql);
    // Number of rows of a table.
    int CountRows(const QString& table);

    // Inserts a catalogue row by plain SQL (not through the operations under test) and
    // returns its identifier. `photo` is written only for tables that have a PHOTO column.
    int AddCatalogRow(const QString& table, const QString& label, const QString& description = {},
                      const QString& photo = {});
    // Inserts a PRISES row by plain SQL: the date "yyyy-mm-dd hh:mm:00", a place and one fish
    // species (or SEVERAL_IDS), every other reference -1, NOMBRE 1 and the other numbers 0.
    // `extraColumns` and `extraValues`, when given, are appended as they are
    // (", COMMENTAIRE" / ", 'x'").
    // Returns the new identifier.
    int AddCatch(const QString& dateTime, int placeId, int fishId, const QString& extraColumns = {},
                 const QString& extraValues = {});

    // First column of every row of a query, as text.
    QStringList Values(const QString& sql);
    // The log's columns in their stored order, upper case, on either engine.
    QStringList TableColumns(const QString& table);
    // The log's tables, sorted, on either engine.
    QStringList TableNames();
    // True when this run is on the test server (see TestServer.h) rather than a SQLite file.
    bool OnServer() const;

    QString DataDir() const;  // ends with "/"
    CCatchDatabase& Db() { return *m_database; }
    RecordingMessages& Messages() { return m_messages; }

private:
    void SetUpOnServer();

    QTemporaryDir m_dir;
    bool m_onServer = false;
    std::unique_ptr<CCatchDatabase> m_database;
    RecordingMessages m_messages;
};

// Whether a driver's message says that the table is missing, in either engine's words.
bool SaysTableIsMissing(const QString& text, const QString& table);

// The delivered images/ tree of the source checkout (data/images), for tests that seed a
// data folder of their own.
QString SourceImagesFolder();
