#include "tools/samplelog/SqlBatch.h"

#include "db/DbConnection.h"
#include "db/SqlStatement.h"

CSqlBatch::CSqlBatch(CDbConnection& db, const QString& table, const QString& columns,
                     int rowsPerStatement)
    : m_db(db),
      m_head(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns)),
      m_rowsPerStatement(rowsPerStatement) {}

void CSqlBatch::Add(const QString& tuple) {
    m_values += m_waiting == 0 ? QStringLiteral("(") : QStringLiteral(", (");
    m_values += tuple;
    m_values += u')';
    if (++m_waiting >= m_rowsPerStatement) Flush();
}

void CSqlBatch::Flush() {
    if (m_waiting == 0) return;
    m_db.ExecuteDirect(m_head + m_values);
    m_written += m_waiting;
    m_waiting = 0;
    m_values.clear();
}

QString SqlText(const QString& text) { return FormatSqlValue(text, SqlValueKind::UserText); }
