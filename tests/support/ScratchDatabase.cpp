#include "tests/support/ScratchDatabase.h"

#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "store/DataSource.h"

void ScratchDatabase::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    SetUserMessages(&m_messages);
    ASSERT_TRUE(RegisterDataSource(DatabasePath(), QStringLiteral("BREVANE_SCRATCH")));
    ASSERT_TRUE(m_connection.Connect(QStringLiteral("BREVANE_SCRATCH"), QString(), QString()));
}

void ScratchDatabase::TearDown() {
    m_connection.Disconnect();
    SetUserMessages(nullptr);
}

bool ScratchDatabase::Exec(const QString& sql) {
    bool result = false;
    if (const auto error = CatchDbError([&] { result = m_connection.ExecuteDirect(sql); }))
        ADD_FAILURE() << sql.toStdString() << ": " << error->message.toStdString();
    return result;
}

QString ScratchDatabase::Scalar(const QString& sql) {
    QString value;
    const auto error = CatchDbError([&] {
        CDbRecordset recordset(m_connection);
        recordset.SetSql(sql);
        if (recordset.Open() && recordset.Fetch()) value = recordset.GetText(1);
    });
    if (error) ADD_FAILURE() << sql.toStdString() << ": " << error->message.toStdString();
    return value;
}

std::unique_ptr<CSQLException> ErrorOf(CDbConnection& db, const QString& sql) {
    return CatchDbError([&] { db.ExecuteDirect(sql); });
}
