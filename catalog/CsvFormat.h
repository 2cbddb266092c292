#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text tables as French spreadsheets write them: ";" between fields, a decimal comma, UTF-8
// with a byte-order mark, fields quoted when they hold the separator, a quote or a line break,
// quotes doubled inside. Files from elsewhere may use "," and decimal points: the reader takes
// the separator the header line uses.

inline constexpr char16_t kCsvSeparator = u';';
inline constexpr char16_t kCsvDecimalMark = u',';

QByteArray CsvByteOrderMark();

// One record, ending with "\r\n".
QString CsvRecord(const QStringList& cells, QChar separator = kCsvSeparator);

// "1,250" for 1.25 with three decimals.
QString FormatCsvDecimal(double value, int decimals, QChar mark = kCsvDecimalMark);
// A number written with a decimal comma or point; false when the text is not one.
bool ParseCsvDecimal(const QString& text, double& value);

// Reads the records of a whole text one at a time.
class CCsvReader {
public:
    explicit CCsvReader(const QString& text);
    QChar Separator() const { return m_separator; }
    // The next record and the line it starts on (from 1). False at the end of the text, or
    // when a quoted field never closes (Error() then says so).
    bool Next(QStringList& cells, int& line);
    QString Error() const { return m_error; }
    // How far the reading is, out of TextSize().
    qsizetype Position() const { return m_position; }
    qsizetype TextSize() const { return m_text.size(); }

private:
    QString m_text;
    qsizetype m_position = 0;
    int m_line = 1;
    QChar m_separator = kCsvSeparator;
    QString m_error;
};
