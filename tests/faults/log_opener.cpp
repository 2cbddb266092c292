// Opens the catch log of a data folder the way the program starts, then prints the file SQLite
// opened. Started by the fault tests:
//
//   log_opener <data folder>                       opens, prints the file, ends
//   log_opener <data folder> kill <TABLE> <n>      killed (SIGKILL) just before its n-th
//                                                  INSERT INTO <TABLE>, as by a power cut
//
// The kill is placed by wrapping the driver manager's SQLExecDirect at link time.
#include <strings.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <memory>

#include <sql.h>

#include <QCoreApplication>
#include <QStringList>

#include "catalog/CatchDatabase.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "store/CatchLogOpener.h"

namespace {

QByteArray g_killPrefix;  // "insert into <TABLE>"
int g_killCountdown = 0;

bool IsInsertIntoKillTable(const char* sql) {
    const auto length = static_cast<size_t>(g_killPrefix.size());
    if (g_killPrefix.isEmpty() || strncasecmp(sql, g_killPrefix.constData(), length) != 0)
        return false;
    return sql[length] == '(' || sql[length] == ' ';
}

QString OpenedFile(CCatchDatabase& db) {
    try {
        CDbRecordset list(db);
        list.SetSql(QStringLiteral("PRAGMA database_list"));
        if (list.Open() && list.Fetch()) return list.GetText(3);
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> e(raw);
    }
    return {};
}

}  // namespace

extern "C" SQLRETURN __real_SQLExecDirect(SQLHSTMT, SQLCHAR*, SQLINTEGER);

extern "C" SQLRETURN __wrap_SQLExecDirect(SQLHSTMT statement, SQLCHAR* text, SQLINTEGER length) {
    if (IsInsertIntoKillTable(reinterpret_cast<const char*>(text)) && --g_killCountdown == 0)
        kill(getpid(), SIGKILL);
    return __real_SQLExecDirect(statement, text, length);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 5 && arguments.at(2) == QLatin1String("kill")) {
        g_killPrefix = "insert into " + arguments.at(3).toLatin1();
        g_killCountdown = arguments.at(4).toInt();
    } else if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: log_opener <data folder> [kill <TABLE> <n>]\n");
        return 2;
    }
    QString folder = arguments.at(1);
    if (!folder.endsWith(u'/')) folder += u'/';
    CCatchDatabase db;
    if (!OpenCatchLog(db, folder, QStringLiteral("BREVANE"), false)) return 1;
    std::printf("%s\n", OpenedFile(db).toUtf8().constData());
    db.Disconnect();
    return 0;
}
