#include "db/SqlWhere.h"

#include <utility>

#include "db/SqlNumbers.h"

CSqlWhere::CSqlWhere(QString table) : CSqlStatement(std::move(table)) {}

void CSqlWhere::AddNumberCondition(const QString& column, int value, const QString& op,
                                   SqlValueKind) {
    if (!m_conditions.isEmpty()) m_conditions += QLatin1String(" and ");
    m_conditions += column + op + SqlInt(value);
}

void CSqlWhere::AddTextCondition(const QString& column, const QString& value, SqlValueKind kind,
                                 bool useLike, bool joinWithOr) {
    if (!m_conditions.isEmpty())
        m_conditions += joinWithOr ? QLatin1String(" or ") : QLatin1String(" and ");

    // Only the exact words "NULL" and "null" stand for NULL in a condition ("Null" is text),
    // and a name typed by the angler is always compared as text.
    const bool nullWord = kind != SqlValueKind::UserText &&
                          (value == QLatin1String("NULL") || value == QLatin1String("null"));
    if (value.isEmpty() || nullWord) {
        m_conditions += column + QLatin1String(" IS NULL");
        return;
    }
    const bool quoted = kind != SqlValueKind::Number;
    m_conditions += column + (useLike && quoted ? QLatin1String(" like ") : QLatin1String("="));
    if (kind == SqlValueKind::UserText)
        m_conditions += QuoteSqlText(value);
    else if (value.startsWith(QLatin1String("{d'")))
        m_conditions += value;
    else
        m_conditions += quoted ? QuoteSqlText(value) : value;
}
