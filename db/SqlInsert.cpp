#include "db/SqlInsert.h"

#include "db/SqlNumbers.h"

CSqlInsert::CSqlInsert(const QString& table) : CSqlStatement(table) {}

void CSqlInsert::Append(const QString& column, const QString& writtenValue) {
    if (!m_columns.isEmpty()) m_columns += QLatin1String(", ");
    m_columns += column;
    if (!m_values.isEmpty()) m_values += QLatin1String(", ");
    m_values += writtenValue;
}

void CSqlInsert::AddField(const QString& column, const QString& value, SqlValueKind kind) {
    Append(column, FormatSqlValue(value, kind));
}

void CSqlInsert::AddInt(const QString& column, int value) { Append(column, SqlInt(value)); }

void CSqlInsert::AddNumber(const QString& column, int value, SqlValueKind) {
    Append(column, SqlInt(value));
}

void CSqlInsert::AddDouble(const QString& column, double value) {
    Append(column, SqlFixed(value, kWeightPrecision));
}

void CSqlInsert::AddWeight(const QString& column, double kilograms) {
    Append(column, SqlFixed(kilograms, kWeightPrecision));
}

QString CSqlInsert::GetSql() {
    m_statement = QLatin1String("insert into ") + m_table + QLatin1String("( ") + m_columns +
                  QLatin1String(" ) values ( ") + m_values + QLatin1String(" )");
    return m_statement;
}
