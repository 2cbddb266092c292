#pragma once

#include <QString>

#include "db/SqlValueKind.h"

// Base of the statement builders: a table name and the text last built.
class CSqlStatement {
public:
    explicit CSqlStatement(QString table = {});
    const QString& TableName() const { return m_table; }

protected:
    QString m_table;
    QString m_statement;
};

// Writes a value as the builders of INSERT and UPDATE do: special values, quoting, NULL.
QString FormatSqlValue(const QString& value, SqlValueKind kind);
// The value enclosed in single quotes with every quote doubled.
QString QuoteSqlText(const QString& value);
