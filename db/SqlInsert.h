#pragma once

#include "db/SqlStatement.h"

// "insert into T( a, b ) values ( 1, 'x' )".
class CSqlInsert : public CSqlStatement {
public:
    explicit CSqlInsert(const QString& table);

    void AddField(const QString& column, const QString& value, SqlValueKind kind);
    void AddInt(const QString& column, int value);
    void AddNumber(const QString& column, int value, SqlValueKind kind = SqlValueKind::Number);
    // "%.3f"; beyond +-1e13 or NaN writes 0.000 (kWeightPrecision).
    void AddDouble(const QString& column, double value);
    // A weight in kilograms, to the gram (kWeightPrecision), as CSqlUpdate::AddWeight.
    void AddWeight(const QString& column, double kilograms);
    QString GetSql();

private:
    void Append(const QString& column, const QString& writtenValue);
    QString m_columns;
    QString m_values;
};
