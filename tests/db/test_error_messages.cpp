// The database errors the angler can act on (a locked log, a read-only folder, a full or
// failing disk) are said in clear French, found by SQLite's result code as the SQLite ODBC
// driver reports it, or by SQLite's wording when no usable code came with the message.
#include <QString>
#include <memory>

#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"
#include "tests/faults/SqliteLockHolder.h"
#include "tests/support/DatabaseFaultTexts.h"
#include "tests/support/ScratchDatabase.h"

namespace {

DatabaseFault Fault(short native, const char* state, const char* message) {
    return ClassifyDatabaseError(native, QString::fromLatin1(state), QString::fromLatin1(message));
}

TEST(DatabaseFaults, SqliteCodesOfAGeneralErrorNameTheCause) {
    EXPECT_EQ(Fault(5, "HY000", "database is locked (5)"), DatabaseFault::Locked);
    EXPECT_EQ(Fault(6, "HY000", "database table is locked (6)"), DatabaseFault::Locked);
    EXPECT_EQ(Fault(8, "HY000", "attempt to write a readonly database (8)"),
              DatabaseFault::ReadOnly);
    EXPECT_EQ(Fault(10, "HY000", "disk I/O error (10)"), DatabaseFault::DiskError);
    EXPECT_EQ(Fault(13, "HY000", "database or disk is full (13)"), DatabaseFault::DiskFull);
    EXPECT_EQ(Fault(14, "HY000", "unable to open database file (14)"), DatabaseFault::CannotOpen);
    // ODBC 2 applications get S1000 for the same errors.
    EXPECT_EQ(Fault(5, "S1000", "database is locked"), DatabaseFault::Locked);
    // Extended codes keep the primary one in their low byte: SQLITE_BUSY_SNAPSHOT,
    // SQLITE_IOERR_FSYNC, SQLITE_IOERR_WRITE, SQLITE_READONLY_DBMOVED.
    EXPECT_EQ(Fault(517, "HY000", "database is locked"), DatabaseFault::Locked);
    EXPECT_EQ(Fault(1034, "HY000", "disk I/O error"), DatabaseFault::DiskError);
    EXPECT_EQ(Fault(778, "HY000", "disk I/O error"), DatabaseFault::DiskError);
    EXPECT_EQ(Fault(1032, "HY000", "attempt to write a readonly database"),
              DatabaseFault::ReadOnly);
    // SQLITE_READONLY_DIRECTORY: the file is writable, its folder is not (no journal).
    EXPECT_EQ(Fault(1544, "HY000", "attempt to write a readonly database"),
              DatabaseFault::ReadOnly);
}

TEST(DatabaseFaults, OtherErrorsAndOtherStatesAreNotMistaken) {
    EXPECT_EQ(Fault(1, "HY000", "no such table: NOWHERE (1)"), DatabaseFault::Other);
    EXPECT_EQ(Fault(19, "HY000", "UNIQUE constraint failed: T.A (19)"), DatabaseFault::Other);
    EXPECT_EQ(Fault(ERR_TABLE_EXISTS, "HY000", "table T already exists"), DatabaseFault::Other);
    EXPECT_EQ(Fault(ERR_COLUMN_EXISTS, "HY000", "duplicate column name: A"), DatabaseFault::Other);
    // The same numbers under another state are the driver manager's or the driver's own.
    EXPECT_EQ(Fault(5, "08001", "connection refused"), DatabaseFault::Other);
    EXPECT_EQ(Fault(13, "HY001", "memory allocation failure"), DatabaseFault::Other);
    EXPECT_EQ(Fault(0, "08003", "La base de données n'est pas connectée"), DatabaseFault::Other);
}

TEST(DatabaseFaults, SqliteWordingIsUnderstoodWithoutTheCode) {
    EXPECT_EQ(Fault(0, "HY000", "database is locked"), DatabaseFault::Locked);
    EXPECT_EQ(Fault(0, "HY000", "Database Is Locked"), DatabaseFault::Locked);
    EXPECT_EQ(Fault(1, "HY000", "attempt to write a readonly database (8)"),
              DatabaseFault::ReadOnly);
    EXPECT_EQ(Fault(0, "", "database or disk is full"), DatabaseFault::DiskFull);
    EXPECT_EQ(Fault(-1, "HY000", "disk I/O error"), DatabaseFault::DiskError);
    EXPECT_EQ(Fault(0, "HY000", "unable to open database file"), DatabaseFault::CannotOpen);
}

TEST(DatabaseFaults, TheTextPutsTheFrenchSentenceFirstAndKeepsTheDriverDetail) {
    const CSQLException locked(5, QStringLiteral("database is locked (5)"),
                               QStringLiteral("HY000"));
    const QString text = DatabaseErrorText(locked);
    EXPECT_TRUE(text.startsWith(kLockedText)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("database is locked (5)"))) << text.toStdString();

    const CSQLException silent(13, QString(), QStringLiteral("HY000"));
    EXPECT_EQ(DatabaseErrorText(silent), kDiskFullText);

    const CSQLException other(1, QStringLiteral("near \"SELEC\": syntax error (1)"),
                              QStringLiteral("HY000"));
    // The driver's English comes after a French sentence saying nothing was done.
    EXPECT_EQ(DatabaseErrorText(other),
              RefusedOperationText() + QStringLiteral("\n\nDétail : ") + other.message);

    for (DatabaseFault fault :
         {DatabaseFault::Locked, DatabaseFault::ReadOnly, DatabaseFault::DiskFull,
          DatabaseFault::DiskError, DatabaseFault::CannotOpen}) {
        const QString sentence = DatabaseFaultText(fault);
        EXPECT_FALSE(sentence.isEmpty());
        EXPECT_FALSE(sentence.contains(QStringLiteral("database"))) << sentence.toStdString();
    }
    EXPECT_EQ(DatabaseFaultText(DatabaseFault::DiskError), kDiskErrorText);
    EXPECT_EQ(DatabaseFaultText(DatabaseFault::ReadOnly), kReadOnlyText);
    EXPECT_TRUE(DatabaseFaultText(DatabaseFault::Other).isEmpty());
}

// ---- What the real driver reports ----

using DriverFaults = ScratchDatabase;

TEST_F(DriverFaults, ALockHeldByAnotherProgramIsReportedAsLocked) {
    if (!SqliteLockHolder::ShellAvailable()) GTEST_SKIP() << "skipped: needs the sqlite3 shell";
    Exec("CREATE TABLE T (A TEXT)");
    SqliteLockHolder holder;
    ASSERT_TRUE(holder.Take(DatabasePath())) << holder.Error().toStdString();
    auto error = ErrorOf(Connection(), "INSERT INTO T (A) VALUES ('x')");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->sqlState, "HY000");
    EXPECT_EQ(error->nativeError & 0xFF, 5) << error->nativeError;  // SQLITE_BUSY
    EXPECT_EQ(ClassifyDatabaseError(*error), DatabaseFault::Locked) << error->message.toStdString();
    const QString driverText = error->message;
    ShowDatabaseError(error.release());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.startsWith(kLockedText));
    EXPECT_TRUE(Messages().shown[0].text.contains(driverText));
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);
    holder.Release();
    EXPECT_TRUE(Exec("INSERT INTO T (A) VALUES ('x')"));
}

TEST_F(DriverFaults, AWriteRefusedAsReadOnlyIsReportedAsReadOnly) {
    Exec("CREATE TABLE T (A TEXT)");
    Exec("PRAGMA query_only=1");  // SQLite answers as for a file it may not write
    auto error = ErrorOf(Connection(), "INSERT INTO T (A) VALUES ('x')");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->nativeError & 0xFF, 8) << error->nativeError;  // SQLITE_READONLY
    EXPECT_EQ(ClassifyDatabaseError(*error), DatabaseFault::ReadOnly)
        << error->message.toStdString();
    EXPECT_TRUE(DatabaseErrorText(*error).startsWith(kReadOnlyText));
    Exec("PRAGMA query_only=0");
    EXPECT_TRUE(Exec("INSERT INTO T (A) VALUES ('x')"));
}

TEST_F(DriverFaults, AFileThatCannotGrowIsReportedAsAFullDisk) {
    Exec("CREATE TABLE T (A TEXT)");
    const int pages = Scalar("PRAGMA page_count").toInt();
    Scalar(QStringLiteral("PRAGMA max_page_count=%1").arg(pages + 1));  // no room left
    auto error = ErrorOf(
        Connection(), QStringLiteral("INSERT INTO T (A) VALUES ('%1')").arg(QString(20000, u'x')));
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->nativeError & 0xFF, 13) << error->nativeError;  // SQLITE_FULL
    EXPECT_EQ(ClassifyDatabaseError(*error), DatabaseFault::DiskFull)
        << error->message.toStdString();
    EXPECT_TRUE(DatabaseErrorText(*error).startsWith(kDiskFullText));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "0");
}

}  // namespace
