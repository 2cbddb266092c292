#include "db/SqlUpdate.h"

#include "db/SqlNumbers.h"

CSqlUpdate::CSqlUpdate(const QString& table) : CSqlWhere(table) {}

void CSqlUpdate::Append(const QString& column, const QString& writtenValue) {
    if (!m_assignments.isEmpty()) m_assignments += QLatin1String(", ");
    m_assignments += column;
    // A caller may pass "COMMENTAIRE=" with its own sign.
    if (!column.contains(u'=')) m_assignments += u'=';
    m_assignments += writtenValue;
}

void CSqlUpdate::AddField(const QString& column, const QString& value, SqlValueKind kind) {
    Append(column, FormatSqlValue(value, kind));
}

void CSqlUpdate::AddInt(const QString& column, int value) { Append(column, SqlInt(value)); }

void CSqlUpdate::AddNumber(const QString& column, int value, SqlValueKind) {
    Append(column, SqlInt(value));
}

void CSqlUpdate::AddDouble(const QString& column, double value) {
    Append(column, SqlFixed(value, kUpdateDoublePrecision));
}

void CSqlUpdate::AddWeight(const QString& column, double kilograms) {
    Append(column, SqlFixed(kilograms, kWeightPrecision));
}

QString CSqlUpdate::GetSql() {
    m_statement = QLatin1String("update ") + m_table + QLatin1String(" set ") + m_assignments;
    if (!m_conditions.isEmpty()) m_statement += QLatin1String(" where ") + m_conditions;
    return m_statement;
}
