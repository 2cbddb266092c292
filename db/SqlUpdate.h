#pragma once

#include "db/SqlWhere.h"

// "update T set A='x', B=2 where ID=7".
class CSqlUpdate : public CSqlWhere {
public:
    explicit CSqlUpdate(const QString& table);

    void AddField(const QString& column, const QString& value, SqlValueKind kind);
    void AddInt(const QString& column, int value);
    void AddNumber(const QString& column, int value, SqlValueKind kind = SqlValueKind::Number);
    // Two decimals ("%.2f"), as the UPDATE builder always wrote them (kUpdateDoublePrecision).
    void AddDouble(const QString& column, double value);
    // A weight in kilograms, to the gram, as the INSERT writes it (kWeightPrecision).
    void AddWeight(const QString& column, double kilograms);
    QString GetSql();

private:
    void Append(const QString& column, const QString& writtenValue);
    QString m_assignments;
};
