#pragma once

#include "db/SqlWhere.h"

// "update T set A='x', B=2 where ID=7".
class CSqlUpdate : public CSqlWhere {
public:
    explicit CSqlUpdate(const QString& table);

    void AddField(const QString& column, const QString& value, SqlValueKind kind);
    void AddInt(const QString& column, int value);
    void AddNumber(const QString& column, int value, SqlValueKind kind = SqlValueKind::Number);
    // Two decimals ("%.2f"), as the UPDATE builder always wrote them.
    void AddDouble(const QString& column, double value);
    // Three decimals with the +-1e13 guard of the INSERT: weights keep their grams.
    void AddDouble3(const QString& column, double value);
    QString GetSql();

private:
    void Append(const QString& column, const QString& writtenValue);
    QString m_assignments;
};
