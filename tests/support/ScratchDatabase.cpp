#include "tests/support/ScratchDatabase.h"

#include "store/DataSource.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"

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
    try {
        return m_connection.ExecuteDirect(sql);
    } catch (CSQLException* e) {
        ADD_FAILURE() << sql.toStdString() << ": " << e->message.toStdString();
        delete e;
        return false;
    }
}

QString ScratchDatabase::Scalar(const QString& sql) {
    try {
        CDbRecordset recordset(m_connection);
        recordset.SetSql(sql);
        if (recordset.Open() && recordset.Fetch()) return recordset.GetText(1);
    } catch (CSQLException* e) {
        ADD_FAILURE() << sql.toStdString() << ": " << e->message.toStdString();
        delete e;
    }
    return {};
}

std::unique_ptr<CSQLException> ErrorOf(CDbConnection& db, const QString& sql) {
    try {
        db.ExecuteDirect(sql);
    } catch (CSQLException* e) {
        return std::unique_ptr<CSQLException>(e);
    }
    return nullptr;
}
