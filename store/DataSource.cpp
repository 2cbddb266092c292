#include "store/DataSource.h"

#include <sql.h>
#include <sqlext.h>

#include <odbcinst.h>

#include <QFileInfo>

namespace {

const char* const kDriverName = "SQLite3";
const char* const kOdbcIni = "odbc.ini";

// The driver's own busy time-out (100 s) would freeze the window while another program
// holds the file; 0 does not mean "no wait" for this driver.
const char* const kBusyTimeoutMs = "1500";
// The driver lowers SQLite's durability to NORMAL unless told otherwise.
const char* const kSyncPragma = "FULL";

// Restores the installer's configuration mode when the registration is over.
class ConfigModeGuard {
public:
    ConfigModeGuard() { m_saved = SQLGetConfigMode(&m_mode); }
    ~ConfigModeGuard() {
        if (m_saved) SQLSetConfigMode(m_mode);
    }
    ConfigModeGuard(const ConfigModeGuard&) = delete;
    ConfigModeGuard& operator=(const ConfigModeGuard&) = delete;

private:
    UWORD m_mode = ODBC_BOTH_DSN;
    BOOL m_saved = 0;
};

bool WriteKey(const QByteArray& dsn, const char* key, const QByteArray& value) {
    return SQLWritePrivateProfileString(dsn.constData(), key, value.constData(), kOdbcIni);
}

}  // namespace

bool RegisterDataSource(const QString& databasePath, const QString& name) {
    const QByteArray dsn = name.toUtf8();
    const QByteArray path = QFileInfo(databasePath).absoluteFilePath().toUtf8();
    const QByteArray description = QStringLiteral("Base de données du logiciel Brevane").toUtf8();

    ConfigModeGuard guard;
    if (!SQLSetConfigMode(ODBC_USER_DSN)) return false;
    // Rewrites the whole section, so a data source moved with its folder points to the new
    // file at the next start.
    if (!SQLWriteDSNToIni(dsn.constData(), kDriverName)) return false;
    return WriteKey(dsn, "Database", path) && WriteKey(dsn, "Description", description) &&
           WriteKey(dsn, "Timeout", kBusyTimeoutMs) && WriteKey(dsn, "SyncPragma", kSyncPragma);
}
