#include "db/SqlStatement.h"

#include <utility>

namespace {

bool IsNullWord(const QString& value) {
    return value.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0;
}

bool IsDateEscape(const QString& value) { return value.startsWith(QLatin1String("{d'")); }

bool IsNowCall(const QString& value) {
    return value.compare(QLatin1String("now()"), Qt::CaseInsensitive) == 0;
}

}  // namespace

CSqlStatement::CSqlStatement(QString table) : m_table(std::move(table)) {}

QString QuoteSqlText(const QString& value) {
    QString quoted = value;
    quoted.replace(u'\'', QLatin1String("''"));
    return u'\'' + quoted + u'\'';
}

QString FormatSqlValue(const QString& value, SqlValueKind kind) {
    if (value.isEmpty()) return QStringLiteral("NULL");
    // What the angler types is never read as SQL, whatever it says.
    if (kind == SqlValueKind::UserText) return QuoteSqlText(value);
    if (IsNullWord(value)) return QStringLiteral("NULL");
    if (IsDateEscape(value) || IsNowCall(value)) return value;
    return kind == SqlValueKind::Text ? QuoteSqlText(value) : value;
}
