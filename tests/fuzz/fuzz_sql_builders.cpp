// Fuzz target of the SQL builders: a text the angler types goes through CSqlInsert,
// CSqlUpdate, CSqlWhere and CSqlDelete with SqlValueKind::UserText, is executed by the real
// unixODBC driver manager and SQLite ODBC driver on a catch log made by the program's own
// schema code, and must come back exactly as typed. Whatever the text says, no statement may
// do more than the builder meant: the tables and the other rows are still there afterwards.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "catalog/UserTextChecks.h"
#include "db/DbConnection.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"
#include "db/SqlUpdate.h"
#include "store/BaseSchema.h"
#include "store/DataSource.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestEnvironment.h"

namespace {

const QString kSentinel = QStringLiteral("ligne témoin");

// One catch log for the whole process: made once, emptied of the input's rows after each run.
struct ScratchLog {
    CDbConnection db;
    RecordingMessages messages;
    int sentinelId = 0;
    int tableCount = 0;
};

[[noreturn]] void DatabaseFailure(CSQLException* raw, const QString& sql) {
    const std::unique_ptr<CSQLException> e(raw);
    const QString detail =
        sql + QStringLiteral(" -> ") + e->sqlState + QStringLiteral(" ") + e->message;
    FuzzFailure(__FILE__, __LINE__, "statement refused by the driver", detail);
}

bool Execute(CDbConnection& db, const QString& sql) {
    try {
        return db.ExecuteDirect(sql);
    } catch (CSQLException* e) {
        DatabaseFailure(e, sql);
    }
}

// Rows of a query, every column as text.
std::vector<QStringList> Query(CDbRecordset& recordset, int columns) {
    std::vector<QStringList> rows;
    try {
        FUZZ_CHECK(recordset.Open(), recordset.StatementText());
        while (recordset.Fetch()) {
            QStringList row;
            for (int c = 1; c <= columns; ++c) row << recordset.GetText(c);
            rows.push_back(row);
        }
    } catch (CSQLException* e) {
        DatabaseFailure(e, recordset.StatementText());
    }
    return rows;
}

QString Scalar(CDbConnection& db, const QString& sql) {
    CDbRecordset recordset(db);
    recordset.SetSql(sql);
    const auto rows = Query(recordset, 1);
    return rows.empty() ? QString() : rows.front().front();
}

ScratchLog& Log() {
    static ScratchLog* log = [] {
        // unixODBC reads $ODBCINI once, before anything else touches ODBC.
        PrepareTestEnvironment();
        auto* made = new ScratchLog;
        SetUserMessages(&made->messages);
        const QString path = TestProcessFolder() + QStringLiteral("fuzz.db");
        FUZZ_CHECK(RegisterDataSource(path, QStringLiteral("BREVANE_FUZZ")), path);
        FUZZ_CHECK(made->db.Connect(QStringLiteral("BREVANE_FUZZ"), QString(), QString()), path);
        FUZZ_CHECK(CreateBaseSchema(made->db, false), made->messages.Texts().join(u'\n'));
        // Thousands of statements a second: the file need not survive a power cut.
        Execute(made->db, QStringLiteral("PRAGMA synchronous=OFF"));
        Execute(made->db, QStringLiteral("PRAGMA journal_mode=MEMORY"));
        CSqlInsert sentinel(QStringLiteral("PRISES"));
        sentinel.AddField(QStringLiteral("COMMENTAIRE"), kSentinel, SqlValueKind::UserText);
        Execute(made->db, sentinel.GetSql());
        made->sentinelId = Scalar(made->db, QStringLiteral("select max(ID) from PRISES")).toInt();
        made->tableCount =
            Scalar(made->db, QStringLiteral("select count(*) from sqlite_master")).toInt();
        return made;
    }();
    return *log;
}

// The schema and the row that no input may touch.
void CheckNothingElseChanged(ScratchLog& log, const QString& text) {
    FUZZ_CHECK(Scalar(log.db, QStringLiteral("select count(*) from sqlite_master")).toInt() ==
                   log.tableCount,
               text);
    FUZZ_CHECK(Scalar(log.db, QStringLiteral("select COMMENTAIRE from PRISES where ID=") +
                                  QString::number(log.sentinelId)) == kSentinel,
               text);
    FUZZ_CHECK(Scalar(log.db, QStringLiteral("select count(*) from PRISES")) == QLatin1String("1"),
               text);
}

struct Numbers {
    int whole = 0;
    double real = 0.0;
};

// The numbers ride along in the text's first bytes, so that any text also brings odd numbers
// (negative, the extremes, NaN, infinities, 1e300).
Numbers NumbersOf(const QByteArray& bytes) {
    Numbers n;
    unsigned char raw[8] = {};
    std::memcpy(raw, bytes.constData(), std::min<size_t>(sizeof raw, bytes.size()));
    std::memcpy(&n.whole, raw, sizeof n.whole);
    std::memcpy(&n.real, raw, sizeof n.real);
    return n;
}

// What a double written with the given decimals reads back as.
double Written(double value, int decimals, bool guardLarge) {
    if (!std::isfinite(value)) return 0.0;
    if (guardLarge && std::fabs(value) > 1e13) return 0.0;
    return QString::number(value, 'f', decimals).toDouble();
}

// SQLite gives a REAL back with 15 significant digits. Next to the largest double those digits
// round past it and the text no longer reads as a double: only the unguarded two-decimal
// writer (which no data operation uses) can get there.
bool CloseEnough(double read, double expected) {
    if (std::fabs(expected) > 1e300) return true;
    return std::fabs(read - expected) <= 1e-9 + 1e-13 * std::fabs(expected);
}

QString Describe(const QString& text, const QString& read) {
    return QStringLiteral("typed [") + text + QStringLiteral("] read [") + read +
           QStringLiteral("]");
}

int InsertRow(ScratchLog& log, const QString& text, const Numbers& n) {
    CSqlInsert insert(QStringLiteral("PRISES"));
    insert.AddField(QStringLiteral("COMMENTAIRE"), text, SqlValueKind::UserText);
    insert.AddField(QStringLiteral("PHOTO"), text, SqlValueKind::UserText);
    insert.AddInt(QStringLiteral("TAILLE_POISSON"), n.whole);
    insert.AddNumber(QStringLiteral("TEMPERATURE"), n.whole);
    insert.AddDouble(QStringLiteral("POIDS_POISSON"), n.real);
    FUZZ_CHECK(Execute(log.db, insert.GetSql()), insert.GetSql());
    return Scalar(log.db, QStringLiteral("select max(ID) from PRISES")).toInt();
}

void CheckStoredRow(ScratchLog& log, int id, const QString& comment, const QString& photo,
                    int whole, double weight) {
    CDbRecordset row(log.db);
    row.SetSql(QStringLiteral(
        "select COMMENTAIRE, PHOTO, TAILLE_POISSON, TEMPERATURE, POIDS_POISSON from PRISES"));
    row.AddNumberCondition(QStringLiteral("ID"), id);
    try {
        FUZZ_CHECK(row.Open() && row.Fetch(), row.StatementText());
        const QString readComment = row.GetText(1);
        FUZZ_CHECK(readComment == comment, Describe(comment, readComment));
        FUZZ_CHECK(readComment.toUtf8() == comment.toUtf8(), Describe(comment, readComment));
        const QString readPhoto = row.GetText(2);
        FUZZ_CHECK(readPhoto == photo, Describe(photo, readPhoto));
        FUZZ_CHECK(row.GetInt(3) == whole, QString::number(whole));
        FUZZ_CHECK(row.GetInt(4) == whole, QString::number(whole));
        const double readWeight = row.GetDouble(5);
        FUZZ_CHECK(CloseEnough(readWeight, weight),
                   QString::number(weight, 'g', 17) + u' ' + QString::number(readWeight, 'g', 17));
        FUZZ_CHECK(!row.Fetch(), row.StatementText());
    } catch (CSQLException* e) {
        DatabaseFailure(e, row.StatementText());
    }
}

// The row is found by the text typed, compared exactly and with "like" (a pattern always
// matches its own text), and by nothing wider than that.
void CheckFoundByText(ScratchLog& log, int id, const QString& text) {
    for (bool useLike : {false, true}) {
        CDbRecordset search(log.db);
        search.SetSql(QStringLiteral("select ID from PRISES"));
        search.AddTextCondition(QStringLiteral("COMMENTAIRE"), text, SqlValueKind::UserText,
                                useLike);
        const auto rows = Query(search, 1);
        bool found = false;
        for (const QStringList& r : rows) found = found || r.front().toInt() == id;
        FUZZ_CHECK(found, search.StatementText());
        if (!useLike) {
            // Only the sentinel may share the text; nothing else matches an exact comparison.
            FUZZ_CHECK(rows.size() == (text == kSentinel ? 2u : 1u), search.StatementText());
        }
    }
}

void UpdateRow(ScratchLog& log, int id, const QString& text, const Numbers& n) {
    // The row's text moves to PHOTO and a marked copy to COMMENTAIRE; the where clause
    // names the row by its identifier and its text, so a wrong quoting matches nothing.
    CSqlUpdate update(QStringLiteral("PRISES"));
    update.AddField(QStringLiteral("COMMENTAIRE"), text + QStringLiteral("'"),
                    SqlValueKind::UserText);
    update.AddField(QStringLiteral("PHOTO"), text, SqlValueKind::UserText);
    update.AddDouble(QStringLiteral("POIDS_POISSON"), n.real);
    update.AddWeight(QStringLiteral("TEMPERATURE_EAU"), n.real);
    update.AddNumberCondition(QStringLiteral("ID"), id);
    update.AddTextCondition(QStringLiteral("PHOTO"), text, SqlValueKind::UserText);
    FUZZ_CHECK(Execute(log.db, update.GetSql()), update.GetSql());
    CheckStoredRow(log, id, text + QStringLiteral("'"), text, n.whole, Written(n.real, 2, false));
}

void DeleteRow(ScratchLog& log, int id, const QString& text) {
    CSqlDelete remove(QStringLiteral("PRISES"));
    remove.AddNumberCondition(QStringLiteral("ID"), id);
    remove.AddTextCondition(QStringLiteral("PHOTO"), text, SqlValueKind::UserText);
    FUZZ_CHECK(Execute(log.db, remove.GetSql()), remove.GetSql());
    FUZZ_CHECK(Scalar(log.db, QStringLiteral("select count(*) from PRISES where ID=") +
                                  QString::number(id)) == QLatin1String("0"),
               remove.GetSql());
}

// Values the program makes itself (SqlValueKind::Text) are also kept as given, except the
// words the builders read as SQL: empty or "NULL" (NULL), "{d'..." and "now()".
void CheckProgramText(ScratchLog& log, const QString& text) {
    if (text.isEmpty() || text.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0 ||
        text.startsWith(QLatin1String("{d'")) ||
        text.compare(QLatin1String("now()"), Qt::CaseInsensitive) == 0)
        return;
    CSqlInsert insert(QStringLiteral("PRISES"));
    insert.AddField(QStringLiteral("COMMENTAIRE"), text, SqlValueKind::Text);
    FUZZ_CHECK(Execute(log.db, insert.GetSql()), insert.GetSql());
    const QString id = Scalar(log.db, QStringLiteral("select max(ID) from PRISES"));
    const QString read =
        Scalar(log.db, QStringLiteral("select COMMENTAIRE from PRISES where ID=") + id);
    FUZZ_CHECK(read == text, Describe(text, read));
    CSqlDelete remove(QStringLiteral("PRISES"));
    remove.AddNumberCondition(QStringLiteral("ID"), id.toInt());
    remove.AddTextCondition(QStringLiteral("COMMENTAIRE"), text, SqlValueKind::Text);
    FUZZ_CHECK(Execute(log.db, remove.GetSql()), remove.GetSql());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScratchLog& log = Log();
    log.messages.Clear();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The angler's text reaches the program as a QString: invalid UTF-8 has already become
    // U+FFFD there, and what must come back is that QString.
    const QString text = QString::fromUtf8(bytes);

    // A NUL cannot cross the driver's NUL-terminated texts: every user text goes through
    // CheckNoNul first, which refuses it with a message, and nothing is written.
    if (text.contains(QChar(0))) {
        FUZZ_CHECK(!CheckNoNul(text) && log.messages.shown.size() == 1, text);
        FUZZ_CHECK(!CheckPictureName(text) && !CheckLabelText(text) && !CheckGpsText(text), text);
        return 0;
    }
    FUZZ_CHECK(CheckNoNul(text) && log.messages.shown.empty(), text);
    // The column checks refuse by characters as the angler counts them, never by bytes.
    FUZZ_CHECK(CheckLabelText(text) == (CharacterCount(text) <= kLabelMaxChars), text);
    FUZZ_CHECK(CheckPictureName(text) == (CharacterCount(text) <= kPictureMaxChars), text);

    const Numbers n = NumbersOf(bytes);
    const int id = InsertRow(log, text, n);
    FUZZ_CHECK(id > log.sentinelId, QString::number(id));
    CheckStoredRow(log, id, text, text, n.whole, Written(n.real, 3, true));
    CheckFoundByText(log, id, text);
    UpdateRow(log, id, text, n);
    DeleteRow(log, id, text);
    CheckProgramText(log, text);
    CheckNothingElseChanged(log, text);
    return 0;
}
