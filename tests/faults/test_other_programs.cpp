// Other programs at the same moment: two Brevane started together on two data folders, each
// must open its own log and leave the user's other odbc.ini sections alone; a start killed in
// the middle of a schema step's seed rows, then a normal start that finds complete lists.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "store/DataFolder.h"
#include "store/DataSource.h"
#include "tests/faults/SqliteShell.h"
#include "tests/support/TestCatchLog.h"

namespace {

// The user's own data sources and comments, which no start may change.
const QByteArray kUserIni =
    "; mes bases à moi\n"
    "[Comptes]\n"
    "Driver = SQLite3\n"
    "Database=/home/pecheur/comptes.db\n"
    "\n"
    "# le club\n"
    "[Club]\r\n"
    "Driver=PostgreSQL Unicode\r\n"
    "Servername=club.example\r\n";

class OtherPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_environment.insert(QStringLiteral("ODBCINI"), IniPath());
    }

    QString IniPath() const { return m_dir.filePath(QStringLiteral("odbc.ini")); }

    QString NewDataFolder(const QString& name) {
        const QString folder = m_dir.filePath(name) + u'/';
        EXPECT_TRUE(SeedImages(SourceImagesFolder(), folder));
        return folder;
    }

    void StartOpener(QProcess& opener, const QString& folder, const QStringList& extra = {}) {
        opener.setProcessEnvironment(m_environment);
        opener.start(QStringLiteral(LOG_OPENER_PATH), QStringList{folder} + extra);
    }

    // The file the opener printed; "" after a failure, with its messages in `failure`.
    static QString OpenedFile(QProcess& opener, QString& failure) {
        const bool ended = opener.state() == QProcess::NotRunning || opener.waitForFinished(60000);
        if (!ended || opener.exitStatus() != QProcess::NormalExit || opener.exitCode() != 0) {
            failure = QString::fromUtf8(opener.readAllStandardError());
            return {};
        }
        return QString::fromUtf8(opener.readAllStandardOutput()).trimmed();
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(OtherPrograms, TwoProgramsOnTwoFoldersEachOpenTheirOwnLog) {
    QFile ini(IniPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(kUserIni);
    ini.close();
    const QStringList folders = {NewDataFolder(QStringLiteral("A")),
                                 NewDataFolder(QStringLiteral("B"))};

    // Meanwhile the shared name keeps being pointed at one folder then the other, as a third
    // Brevane starting on either would: what each program opens must not depend on it.
    const QByteArray testIni = qgetenv("ODBCINI");
    qputenv("ODBCINI", IniPath().toLocal8Bit());
    for (int round = 0; round < 20; ++round) {
        QProcess openers[2];
        for (int i = 0; i < 2; ++i) StartOpener(openers[i], folders[i]);
        for (int flip = 0; openers[0].state() != QProcess::NotRunning ||
                           openers[1].state() != QProcess::NotRunning;
             ++flip) {
            RegisterDataSource(folders[flip % 2] + "brevane.db");
            openers[flip % 2].waitForFinished(20);  // leaves the lock free most of the time
        }
        for (int i = 0; i < 2; ++i) {
            QString failure;
            const QString opened = OpenedFile(openers[i], failure);
            EXPECT_EQ(opened.toStdString(),
                      QFileInfo(folders[i] + "brevane.db").canonicalFilePath().toStdString())
                << "round " << round << ": " << failure.toStdString();
        }
    }
    qputenv("ODBCINI", testIni);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray after = ini.readAll();
    EXPECT_TRUE(after.startsWith(kUserIni)) << after.toStdString();
    EXPECT_EQ(after.count("[BREVANE]"), 1);

    // Other ODBC tools still reach a catch log by the shared name.
    QProcess isql;
    isql.setProcessEnvironment(m_environment);
    isql.start(QStringLiteral("isql"), {QStringLiteral("-b"), QStringLiteral("BREVANE")});
    if (!isql.waitForStarted(5000)) GTEST_SKIP() << "skipped: isql is not installed";
    isql.write("SELECT COUNT(*) FROM MAREES\n");
    isql.closeWriteChannel();
    ASSERT_TRUE(isql.waitForFinished(20000));
    EXPECT_EQ(isql.exitCode(), 0) << isql.readAllStandardError().toStdString();
    EXPECT_TRUE(isql.readAllStandardOutput().contains("12"));
}

struct KillPoint {
    const char* table;
    int insert;  // killed just before this insert of the table's seed rows
};

class KilledInsideASchemaStep : public OtherPrograms,
                                public ::testing::WithParamInterface<KillPoint> {};

TEST_P(KilledInsideASchemaStep, TheNextStartHasCompleteLists) {
    if (SqliteShell(QStringLiteral(":memory:"), QStringLiteral("SELECT 1")) != "1")
        GTEST_SKIP() << "skipped: needs the sqlite3 shell";
    const QString folder = NewDataFolder(QStringLiteral("carnet"));
    QProcess killed;
    StartOpener(killed, folder,
                {QStringLiteral("kill"), QLatin1String(GetParam().table),
                 QString::number(GetParam().insert)});
    ASSERT_TRUE(killed.waitForFinished(60000));
    ASSERT_EQ(killed.exitStatus(), QProcess::CrashExit) << "the kill point was never reached";

    QProcess next;
    StartOpener(next, folder);
    QString failure;
    ASSERT_FALSE(OpenedFile(next, failure).isEmpty()) << failure.toStdString();
    const QString database = folder + "brevane.db";
    EXPECT_EQ(SqliteShell(database, "SELECT COUNT(*) FROM DIRECTIONS_VENT"), "8");
    EXPECT_EQ(SqliteShell(database, "SELECT COUNT(*) FROM MAREES"), "12");
    EXPECT_EQ(IntegrityCheck(database), "ok");
}

INSTANTIATE_TEST_SUITE_P(SeedRows, KilledInsideASchemaStep,
                         ::testing::Values(KillPoint{"DIRECTIONS_VENT", 1},
                                           KillPoint{"DIRECTIONS_VENT", 5},
                                           KillPoint{"MAREES", 12}));

}  // namespace
