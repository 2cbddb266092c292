#include "store/SqlDialect.h"

#include <QRegularExpression>

namespace {

const QRegularExpression::PatternOption kNoCase = QRegularExpression::CaseInsensitiveOption;

// Splits "a LONG, b VARCHAR(20)" at the commas that are not inside parentheses.
QStringList SplitColumnDefinitions(const QString& definitions) {
    QStringList parts;
    int depth = 0;
    QString current;
    for (const QChar c : definitions) {
        if (c == u'(') ++depth;
        if (c == u')') --depth;
        if (c == u',' && depth == 0) {
            parts << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty()) parts << current.trimmed();
    return parts;
}

}  // namespace

QString TranslateColumnTypes(const QString& accessStatement) {
    static const QRegularExpression counter(QStringLiteral("\\bCOUNTER\\b"), kNoCase);
    static const QRegularExpression longText(QStringLiteral("\\bLONGTEXT\\b"), kNoCase);
    static const QRegularExpression longInt(QStringLiteral("\\bLONG\\b"), kNoCase);
    static const QRegularExpression floating(QStringLiteral("\\bFLOAT\\b"), kNoCase);
    static const QRegularExpression label(
        QStringLiteral("\\b(LIBELLE\\s+VARCHAR\\s*\\(\\s*\\d+\\s*\\))"), kNoCase);

    QString sql = accessStatement;
    sql.replace(counter, QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"));
    sql.replace(longText, QStringLiteral("TEXT"));
    sql.replace(longInt, QStringLiteral("INTEGER"));
    sql.replace(floating, QStringLiteral("REAL"));
    sql.replace(label, QStringLiteral("\\1 COLLATE NOCASE"));
    return sql;
}

QStringList ToSqliteStatements(const QString& accessStatement) {
    static const QRegularExpression alterColumn(
        QStringLiteral("^\\s*ALTER\\s+TABLE\\s+\\w+\\s+ALTER\\s+COLUMN\\b"), kNoCase);
    static const QRegularExpression addColumns(
        QStringLiteral("^\\s*ALTER\\s+TABLE\\s+(\\w+)\\s+ADD\\s+(?:COLUMN\\s+)?(.+?)\\s*$"),
        kNoCase | QRegularExpression::DotMatchesEverythingOption);

    if (alterColumn.match(accessStatement).hasMatch()) return {};

    const QRegularExpressionMatch add = addColumns.match(accessStatement);
    if (!add.hasMatch()) return {TranslateColumnTypes(accessStatement.trimmed())};

    QStringList statements;
    for (const QString& column : SplitColumnDefinitions(add.captured(2)))
        statements << TranslateColumnTypes(QStringLiteral("ALTER TABLE ") + add.captured(1) +
                                           QStringLiteral(" ADD ") + column);
    return statements;
}

QString SqliteDatePart(DatePart part, const QString& column) {
    // Moments are stored as "yyyy-mm-dd hh:mm:ss": cutting the text is several times cheaper
    // than strftime parsing it, which counts on a chart of every catch.
    const char* slice = part == DatePart::Year    ? "1, 4"
                        : part == DatePart::Month ? "6, 2"
                                                  : "12, 2";
    return QStringLiteral("CAST(substr(%1, %2) AS INTEGER)").arg(column, QLatin1String(slice));
}
