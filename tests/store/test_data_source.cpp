// The user data source written into $ODBCINI (the test process's own file).
#include <sql.h>
#include <sqlext.h>

#include <odbcinst.h>
#include <sys/stat.h>

#include <QSettings>
#include <QTemporaryDir>

#include "db/DbConnection.h"
#include "store/DataSource.h"
#include "store/OdbcIniText.h"
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
    EXPECT_EQ(IniValue("BREVANE_DS1", "StepAPI"), "1");
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

// The section is merged into the user's file text: other lines stay byte for byte.
struct IniCase {
    const char* name;
    QByteArray before;
    QByteArray after;  // empty: the file must be left exactly as it was
};

const std::vector<IniEntry> kEntries = {{"Driver", "SQLite3"}, {"Database", "/d/brevane.db"}};

const IniCase kIniCases[] = {
    {"EmptyFile", "", "[BREVANE]\nDriver=SQLite3\nDatabase=/d/brevane.db\n"},
    {"AppendedAfterOtherSections", "; moi\n[Autre]\nDriver = X",
     "; moi\n[Autre]\nDriver = X\n\n[BREVANE]\nDriver=SQLite3\nDatabase=/d/brevane.db\n"},
    {"SameValuesOtherSpellingNotRewritten",
     "[brevane]\r\n  driver = SQLite3 \r\nDATABASE\t=\t/d/brevane.db\r\n[Z]\r\nA=1\r\n", ""},
    {"OnlyTheChangedValueAndTheMissingKey",
     "[A]\nDatabase=/a\n[BREVANE]\n; à moi\nDriver=SQLite3\nStepAPI=1\n\n[C]\nDatabase=/c\n",
     "[A]\nDatabase=/a\n[BREVANE]\n; à moi\nDriver=SQLite3\nStepAPI=1\nDatabase=/d/brevane.db\n"
     "\n[C]\nDatabase=/c\n"},
    {"StaleValueReplacedRepeatDropped",
     "[BREVANE]\nDatabase=/old\nDriver=SQLite3\nDatabase=/older\n",
     "[BREVANE]\nDatabase=/d/brevane.db\nDriver=SQLite3\n"},
};

class IniMerge : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniMerge, ChangesOnlyTheSectionsOwnKeys) {
    const IniCase& c = GetParam();
    const QByteArray expected = c.after.isEmpty() ? c.before : c.after;
    EXPECT_EQ(WithIniSection(c.before, "BREVANE", kEntries), expected);
    // Merging again finds nothing to change.
    EXPECT_EQ(WithIniSection(expected, "BREVANE", kEntries), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniMerge, ::testing::ValuesIn(kIniCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataSource, AnUnchangedSectionLeavesTheFileUntouched) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/brevane.db";
    ASSERT_TRUE(RegisterDataSource(path, "BREVANE_DS4"));
    const auto inode = [] {
        struct stat st {};
        ::stat(TestOdbcIniPath().toLocal8Bit().constData(), &st);
        return st.st_ino;
    };
    const auto first = inode();
    ASSERT_TRUE(RegisterDataSource(path, "BREVANE_DS4"));
    EXPECT_EQ(inode(), first);  // a rewrite would rename a new file over it
    ASSERT_TRUE(RegisterDataSource(path + "x", "BREVANE_DS4"));
    EXPECT_NE(inode(), first);
}

}  // namespace
