#include "db/SqlDelete.h"

CSqlDelete::CSqlDelete(const QString& table) : CSqlWhere(table) {}

QString CSqlDelete::GetSql() {
    m_statement = QLatin1String("delete from ") + m_table;
    if (!m_conditions.isEmpty()) m_statement += QLatin1String(" where ") + m_conditions;
    return m_statement;
}
