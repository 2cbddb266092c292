#include "tests/support/TestCatchLog.h"
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlStatement.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestServer.h"

namespace {

// Takes the exception the layer threw and turns it into a test failure.
QString Consume(CSQLException* raw) {
    const std::unique_ptr<CSQLException> e(raw);
    const QString text = e->message + QStringLiteral(" [") + e->statementText + u']';
    return text;
}

// A first start writes a hundred statements, each committed and synced to disk on its own
// (about two seconds). The catch log of a first start is therefore made once per process and
// copied into each test's folder, where the real start-up sequence runs again on it, as at a
// second start. "" when it can't be made: each test then starts from an empty folder.
QString FirstStartTemplate() {
    static const QString path = []() -> QString {
        if (TestProcessFolder().isEmpty()) return {};
        const QString folder = TestProcessFolder() + QStringLiteral("first-start/");
        if (!SeedImages(SourceImagesFolder(), folder)) return {};
        CCatchDatabase db;
        const bool opened = OpenCatchLog(db, folder, QStringLiteral("BREVANE"), false);
        db.Disconnect();
        return opened ? folder + QStringLiteral("brevane.db") : QString();
    }();
    return path;
}

}  // namespace

QString SourceImagesFolder() {
    QString source = qEnvironmentVariable("BREVANE_SOURCE_DIR");
    if (source.isEmpty())  // run outside CTest: this file's own checkout
        source = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../..");
    return QDir::cleanPath(source + QStringLiteral("/data/images")) + u'/';
}

void TestCatchLog::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    SetUserMessages(&m_messages);
    if (TestsOnServer()) {
        SetUpOnServer();
        return;
    }
    const QString firstStart = FirstStartTemplate();
    ASSERT_TRUE(m_messages.shown.empty()) << m_messages.Texts().join(u'|').toStdString();
    ASSERT_TRUE(SeedImages(SourceImagesFolder(), DataDir()));
    if (!firstStart.isEmpty()) {
        ASSERT_TRUE(QFile::copy(firstStart, DataDir() + QStringLiteral("brevane.db")));
    }
    m_database = std::make_unique<CCatchDatabase>();
    ASSERT_TRUE(OpenCatchLog(*m_database, DataDir(), QStringLiteral("BREVANE"), false))
        << m_messages.Texts().join(QStringLiteral(" | ")).toStdString();
    ASSERT_TRUE(m_messages.shown.empty());
}

void TestCatchLog::SetUpOnServer() {
    ASSERT_TRUE(SeedImages(SourceImagesFolder(), DataDir()));
    const ServerLog log = CreateServerLog();
    ASSERT_TRUE(log.IsValid());
    m_onServer = true;
    ASSERT_TRUE(RegisterServerDataSource(QStringLiteral("BREVANE"), log));
    m_database = std::make_unique<CCatchDatabase>();
    ASSERT_TRUE(OpenSharedCatchLog(*m_database, DataDir(), QStringLiteral("BREVANE"), false))
        << m_messages.Texts().join(QStringLiteral(" | ")).toStdString();
    ASSERT_TRUE(m_messages.shown.empty());
}

void TestCatchLog::TearDown() {
    if (m_database) m_database->Disconnect();
    m_database.reset();
    SetUserMessages(nullptr);
}

QStringList TestCatchLog::Values(const QString& sql) {
    QStringList values;
    try {
        CDbRecordset rows(*m_database);
        rows.SetSql(sql);
        if (rows.Open())
            while (rows.Fetch()) values << rows.GetText(1);
    } catch (CSQLException* e) {
        ADD_FAILURE() << "query failed: " << sql.toStdString() << ": " << Consume(e).toStdString();
    }
    return values;
}

QStringList TestCatchLog::TableColumns(const QString& table) {
    const QString sql =
        OnServer() ? QStringLiteral(
                         "SELECT upper(column_name) FROM information_schema.columns "
                         "WHERE table_schema = current_schema() AND table_name = "
                         "lower('%1') ORDER BY ordinal_position")
                   : QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid");
    QStringList columns = Values(sql.arg(table));
    // The server's stand-in for SQLite's hidden row number is not one of the log's columns.
    columns.removeAll(QStringLiteral("ROWID"));
    return columns;
}

QStringList TestCatchLog::TableNames() {
    QStringList names = Values(
        OnServer() ? QStringLiteral("SELECT upper(table_name) FROM information_schema.tables "
                                    "WHERE table_schema = current_schema()")
                   : QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    names.removeAll(QStringLiteral("sqlite_sequence"));
    names.sort();
    return names;
}

bool SaysTableIsMissing(const QString& text, const QString& table) {
    return text.contains(QStringLiteral("no such table: ") + table) ||
           text.contains(QStringLiteral("relation \"%1\" does not exist").arg(table.toLower()));
}

bool TestCatchLog::OnServer() const { return m_onServer; }

QString TestCatchLog::DataDir() const { return m_dir.path() + u'/'; }

void TestCatchLog::Exec(const QString& sql) {
    try {
        m_database->ExecuteDirect(sql);
    } catch (CSQLException* e) {
        ADD_FAILURE() << "SQL failed: " << sql.toStdString() << ": " << Consume(e).toStdString();
    }
}

QString TestCatchLog::Scalar(const QString& sql) {
    try {
        CDbRecordset recordset(*m_database);
        recordset.SetSql(sql);
        if (recordset.Open() && recordset.Fetch()) return recordset.GetText(1);
    } catch (CSQLException* e) {
        ADD_FAILURE() << "query failed: " << sql.toStdString() << ": " << Consume(e).toStdString();
    }
    return {};
}

int TestCatchLog::ScalarInt(const QString& sql) { return ReadDecimalInt(Scalar(sql)); }

int TestCatchLog::CountRows(const QString& table) {
    return ScalarInt(QStringLiteral("SELECT COUNT(*) FROM ") + table);
}

int TestCatchLog::AddCatalogRow(const QString& table, const QString& label,
                                const QString& description, const QString& photo) {
    const bool hasPhoto = TableColumns(table).contains(QStringLiteral("PHOTO"));
    auto quoted = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("NULL") : QuoteSqlText(text);
    };
    if (hasPhoto)
        Exec(QStringLiteral("INSERT INTO %1 (LIBELLE, PHOTO, DESCRIPTION) VALUES (%2, %3, %4)")
                 .arg(table, quoted(label), quoted(photo), quoted(description)));
    else
        Exec(QStringLiteral("INSERT INTO %1 (LIBELLE, DESCRIPTION) VALUES (%2, %3)")
                 .arg(table, quoted(label), quoted(description)));
    return ScalarInt(QStringLiteral("SELECT MAX(ID) FROM ") + table);
}

int TestCatchLog::AddCatch(const QString& dateTime, int placeId, int fishId,
                           const QString& extraColumns, const QString& extraValues) {
    Exec(QStringLiteral(
             "INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, POIDS_POISSON, TAILLE_POISSON, "
             "ID_ESCHE, ID_MONTAGE, ID_TECHNIQUE, ID_TEMPS, ID_VENT, ID_LUNE, TEMPERATURE, "
             "TEMPERATURE_EAU, ID_AMORCE, ID_DIRECTION_VENT, ID_COULEUR_EAU, ID_MAREE, "
             "COEFF_MAREE, NOMBRE%1) VALUES ('%2', %3, %4, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, "
             "-1, -1, -1, -1, 0, 1%5)")
             .arg(extraColumns, dateTime, QString::number(placeId), QString::number(fishId),
                  extraValues));
    return ScalarInt(QStringLiteral("SELECT MAX(ID) FROM PRISES"));
}
