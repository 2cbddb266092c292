// The user data source written into $ODBCINI (the test process's own file).
#include <sql.h>
#include <sqlext.h>

#include <odbcinst.h>

#include <QSettings>
#include <QTemporaryDir>

#include "store/DataSource.h"
#include "db/DbConnection.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

QString IniValue(const QString& section, const QString& key) {
    const QSettings ini(TestOdbcIniPath(), QSettings::IniFormat);
    return ini.value(section + u'/' + key).toString();
}

TEST(DataSource, WritesTheSectionIntoTheUsersOdbcIni) {
    ASSERT_EQ(qEnvironmentVariable("ODBCINI"), TestOdbcIniPath());
    QTemporaryDir dir;
    const QString path = dir.path() + "/brevane.db";
    ASSERT_TRUE(RegisterDataSource(path, "BREVANE_DS1"));
    EXPECT_EQ(IniValue("BREVANE_DS1", "Driver"), "SQLite3");
    EXPECT_EQ(IniValue("BREVANE_DS1", "Database"), path);
    EXPECT_EQ(IniValue("BREVANE_DS1", "Timeout"), "1500");
    EXPECT_EQ(IniValue("BREVANE_DS1", "SyncPragma"), "FULL");
    const QSettings ini(TestOdbcIniPath(), QSettings::IniFormat);
    EXPECT_EQ(QString::fromUtf8(ini.value("BREVANE_DS1/Description").toByteArray()),
              "Base de données du logiciel Brevane");
}

TEST(DataSource, RelativePathsAreMadeAbsoluteAndAMovedFolderIsFollowed) {
    ASSERT_TRUE(RegisterDataSource("some/relative.db", "BREVANE_DS2"));
    EXPECT_EQ(IniValue("BREVANE_DS2", "Database"),
              QDir::current().absoluteFilePath("some/relative.db"));

    // Registered anew at every start: the same name now points to the new file, and a
    // connection opens that file at once (nothing is cached by the driver manager).
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QTemporaryDir* dir : {&first, &second}) {
        const QString path = dir->path() + QString::fromUtf8("/pêche é.db");
        ASSERT_TRUE(RegisterDataSource(path, "BREVANE_DS2"));
        EXPECT_EQ(IniValue("BREVANE_DS2", "Database"), path);
        CDbConnection db;
        ASSERT_TRUE(db.Connect("BREVANE_DS2", "", ""));
        db.ExecuteDirect("CREATE TABLE T (A INTEGER)");
        db.Disconnect();
        EXPECT_TRUE(QFile::exists(path));
    }
}

TEST(DataSource, ConfigurationModeIsRestored) {
    ASSERT_TRUE(SQLSetConfigMode(ODBC_BOTH_DSN));
    ASSERT_TRUE(RegisterDataSource("/tmp/x.db", "BREVANE_DS3"));
    UWORD mode = 0;
    ASSERT_TRUE(SQLGetConfigMode(&mode));
    EXPECT_EQ(mode, ODBC_BOTH_DSN);
}

}  // namespace
