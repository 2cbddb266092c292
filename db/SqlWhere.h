#pragma once

#include "db/SqlStatement.h"

// Conditions joined into one WHERE clause; base of UPDATE, DELETE and CDbRecordset.
class CSqlWhere : public CSqlStatement {
public:
    explicit CSqlWhere(QString table = {});
    virtual ~CSqlWhere() = default;

    // "COL=5", "ID<>-1": the operator is written as given, without blanks.
    void AddNumberCondition(const QString& column, int value, const QString& op = "=",
                            SqlValueKind kind = SqlValueKind::Number);
    // "COL='x'"; an empty value, "NULL" or "null" gives "COL IS NULL".
    void AddTextCondition(const QString& column, const QString& value,
                          SqlValueKind kind = SqlValueKind::Text, bool useLike = false,
                          bool joinWithOr = false);
    const QString& ConditionText() const { return m_conditions; }

protected:
    QString m_conditions;
};
