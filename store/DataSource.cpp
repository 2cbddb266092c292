#include "store/DataSource.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <sql.h>
#include <sqlext.h>

#include <odbcinst.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include "store/OdbcIniText.h"

namespace {

const char* const kDriverName = "SQLite3";

// The driver's own busy time-out (100 s) would freeze the window while another program
// holds the file; 0 does not mean "no wait" for this driver.
const char* const kBusyTimeoutMs = "1500";
// The driver lowers SQLite's durability to NORMAL unless told otherwise.
const char* const kSyncPragma = "FULL";
// Rows are stepped through as they are fetched: otherwise the driver reads a whole result into
// memory before the first row, a million rows for the catch list of a club's log.
const char* const kStepApi = "1";

// The driver copies the database attribute into a buffer of SQL_MAX_MESSAGE_LENGTH bytes.
constexpr qsizetype kMaxDriverPathBytes = SQL_MAX_MESSAGE_LENGTH - 1;

// How long a start waits for another Brevane that is writing odbc.ini, and how often it looks.
constexpr int kIniLockWaitMs = 5000;
constexpr int kIniLockPollMs = 5;

QString AbsolutePath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

std::vector<IniEntry> SectionEntries(const QString& databasePath) {
    return {
        {"Driver", kDriverName},
        {"Database", AbsolutePath(databasePath).toUtf8()},
        {"Description", QStringLiteral("Base de données du logiciel Brevane").toUtf8()},
        {"Timeout", kBusyTimeoutMs},
        {"SyncPragma", kSyncPragma},
        {"StepAPI", kStepApi},
    };
}

// The lock every Brevane takes before reading odbc.ini and holds until its new file is in
// place: an flock on "<odbc.ini>.lock", released by the kernel even when a program is killed.
class IniLock {
public:
    explicit IniLock(const QString& iniPath) {
        const QByteArray path = QFile::encodeName(iniPath + QStringLiteral(".lock"));
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0) return;
        // Tried often rather than blocked on: a program that hangs while holding it must not
        // hang this start too.
        for (int waited = 0; waited <= kIniLockWaitMs; waited += kIniLockPollMs) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
                m_held = true;
                return;
            }
            ::usleep(kIniLockPollMs * 1000);
        }
    }
    ~IniLock() {
        if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
    }
    IniLock(const IniLock&) = delete;
    IniLock& operator=(const IniLock&) = delete;
    bool IsHeld() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

// A link to the real file is followed, so that the rename replaces the file, not the link.
QString WrittenPath(const QString& iniPath) {
    const QFileInfo info(iniPath);
    return info.isSymLink() ? info.symLinkTarget() : iniPath;
}

// unixODBC keeps its reading of odbc.ini for the life of the process and forgets it only when
// it writes an ini file itself: one throwaway write of its own lets a later connection by the
// name, in this process, see the new section.
void ForgetCachedIni() {
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/brevane-XXXXXX.ini"));
    if (!scratch.open()) return;
    SQLWritePrivateProfileString("Brevane", "relu", "1",
                                 QFile::encodeName(scratch.fileName()).constData());
}

}  // namespace

QString CatchLogConnectionString(const QString& databasePath) {
    return QStringLiteral("DRIVER=%1;Database=%2;Timeout=%3;SyncPragma=%4;StepAPI=%5")
        .arg(QLatin1String(kDriverName), AbsolutePath(databasePath), QLatin1String(kBusyTimeoutMs),
             QLatin1String(kSyncPragma), QLatin1String(kStepApi));
}

QString DriverPathProblem(const QString& databasePath) {
    const QString path = AbsolutePath(databasePath);
    if (path.contains(u';'))
        return QStringLiteral(
            "son chemin contient un point-virgule, que le pilote de la base de "
            "données ne sait pas lire.");
    if (path.toUtf8().size() > kMaxDriverPathBytes)
        return QStringLiteral("son chemin est trop long pour le pilote de la base de données.");
    return {};
}

QString UserOdbcIniPath() {
    QString given = qEnvironmentVariable("ODBCINI");
    if (!given.isEmpty()) return given;
    const passwd* account = getpwuid(getuid());
    const QString home = account != nullptr && account->pw_dir != nullptr
                             ? QFile::decodeName(account->pw_dir)
                             : QStringLiteral("/home");
    return home + QStringLiteral("/.odbc.ini");
}

bool RegisterDataSource(const QString& databasePath, const QString& name) {
    const QString path = WrittenPath(UserOdbcIniPath());
    // Every Brevane takes this lock before reading, so two starts never interleave their
    // writes, and neither loses what the other wrote.
    const IniLock lock(path);
    if (!lock.IsHeld()) return false;

    QByteArray current;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) return false;
        current = existing.readAll();
        existing.close();
    }
    const QByteArray wanted = WithIniSection(current, name.toUtf8(), SectionEntries(databasePath));
    if (wanted == current && existing.exists()) return true;

    // A new file renamed over the old one: a reader (isql, another Brevane, a crash) sees the
    // whole old file or the whole new one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(wanted) != wanted.size() || !out.commit())
        return false;
    ForgetCachedIni();
    return true;
}

bool IsSqliteDriverRegistered() {
    char driver[512] = {};
    const int length = SQLGetPrivateProfileString(kDriverName, "Driver", "", driver, sizeof driver,
                                                  "ODBCINST.INI");
    return length > 0 && driver[0] != '\0';
}

QString SqliteDriverPackage() { return QStringLiteral("libsqliteodbc"); }
