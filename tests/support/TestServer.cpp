#include "tests/support/TestServer.h"

#include <sql.h>
#include <sqlext.h>

#include <odbcinst.h>

#include <atomic>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/SQLException.h"

namespace {

const char* const kAdminDsn = "BREVANE_PG_ADMIN";

QString ClusterFolder() {
    QFile state(qEnvironmentVariable("BREVANE_PG_STATE") + QStringLiteral("/cluster"));
    if (!state.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(state.readAll()).trimmed();
}

const char* const kProcessDsn = "BREVANE_PG_PROCESS";

bool Run(const char* dsn, const QString& sql) {
    CDbConnection admin;
    if (!admin.Connect(QLatin1String(dsn), QString(), QString())) return false;
    const auto error = CatchDbError([&] { admin.ExecuteDirect(sql); });
    if (error) std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(error->message));
    return !error;
}

// The database of this test process, made at its first use; "" when it can't be.
QString ProcessDatabase() {
    static const QString name = []() -> QString {
        const QString database =
            QStringLiteral("brevane_%1").arg(QCoreApplication::applicationPid());
        if (!Run(kAdminDsn, QStringLiteral("CREATE DATABASE ") + database) ||
            !RegisterServerDataSource(QLatin1String(kProcessDsn), {database, QString()}))
            return {};
        return database;
    }();
    return name;
}

}  // namespace

bool TestsOnServer() { return qEnvironmentVariable("BREVANE_TEST_ENGINE") == "postgresql"; }

bool ServerProgramsInstalled() {
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    for (const QString& version : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFile::exists(versions.filePath(version + QStringLiteral("/bin/initdb")))) return true;
    return false;
}

bool ServerReady() {
    static const bool ready = [] {
        if (ClusterFolder().isEmpty()) {
            std::fprintf(stderr, "no test cluster: BREVANE_PG_STATE has no cluster file\n");
            return false;
        }
        return RegisterServerDataSource(QLatin1String(kAdminDsn),
                                        {QStringLiteral("postgres"), {}}) &&
               Run(kAdminDsn, QStringLiteral("SELECT 1"));
    }();
    return ready;
}

ServerLog CreateServerLog() {
    static std::atomic<int> counter{0};
    const QString database = ProcessDatabase();
    const QString schema = QStringLiteral("carnet_%1").arg(++counter);
    if (database.isEmpty() || !Run(kProcessDsn, QStringLiteral("CREATE SCHEMA ") + schema))
        return {};
    return {database, schema};
}

bool RegisterServerDataSource(const QString& dsn, const ServerLog& log) {
    const QByteArray name = dsn.toUtf8();
    const QByteArray socketFolder = ClusterFolder().toUtf8();
    const QByteArray base = log.database.toUtf8();
    const QByteArray searchPath =
        log.schema.isEmpty() ? QByteArray() : "SET search_path TO " + log.schema.toUtf8();
    auto write = [&name](const char* key, const QByteArray& value) {
        return SQLWritePrivateProfileString(name.constData(), key, value.constData(), "odbc.ini") !=
               0;
    };
    UWORD savedMode = ODBC_BOTH_DSN;
    SQLGetConfigMode(&savedMode);
    const bool written = SQLSetConfigMode(ODBC_USER_DSN) &&
                         SQLWriteDSNToIni(name.constData(), "PostgreSQL Unicode") &&
                         write("Servername", socketFolder) && write("Port", "5432") &&
                         write("Database", base) && write("Username", "brevane") &&
                         write("ConnSettings", searchPath);
    SQLSetConfigMode(savedMode);
    return written;
}
