#include "catalog/CsvFormat.h"

#include <cmath>

namespace {

bool NeedsQuotes(const QString& cell, QChar separator) {
    for (const QChar c : cell)
        if (c == separator || c == u'"' || c == u'\n' || c == u'\r') return true;
    return false;
}

// The separator of the first line: ";" when it has one, else ",".
QChar DetectSeparator(const QString& text) {
    const qsizetype end = text.indexOf(u'\n');
    const QStringView header = QStringView(text).left(end < 0 ? text.size() : end);
    return header.contains(u';') || !header.contains(u',') ? QChar(kCsvSeparator) : QChar(u',');
}

}  // namespace

QByteArray CsvByteOrderMark() { return QByteArrayLiteral("\xEF\xBB\xBF"); }

QString CsvRecord(const QStringList& cells, QChar separator) {
    QString record;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) record += separator;
        const QString& cell = cells.at(i);
        if (!NeedsQuotes(cell, separator)) {
            record += cell;
            continue;
        }
        QString quoted = cell;
        quoted.replace(u'"', QStringLiteral("\"\""));
        record += u'"' + quoted + u'"';
    }
    return record + QStringLiteral("\r\n");
}

QString FormatCsvDecimal(double value, int decimals, QChar mark) {
    QString text = QString::number(value, 'f', decimals);
    return text.replace(u'.', mark);
}

bool ParseCsvDecimal(const QString& text, double& value) {
    QString plain = text.trimmed();
    plain.replace(u',', u'.');
    bool ok = false;
    value = plain.toDouble(&ok);
    return ok && std::isfinite(value);
}

CCsvReader::CCsvReader(const QString& text) : m_text(text) {
    if (m_text.startsWith(QChar(0xFEFF))) m_text.remove(0, 1);
    m_separator = DetectSeparator(m_text);
}

bool CCsvReader::Next(QStringList& cells, int& line) {
    cells.clear();
    line = m_line;
    const qsizetype size = m_text.size();
    if (m_position >= size) return false;
    QString cell;
    bool quoted = false;
    while (m_position < size) {
        const QChar c = m_text.at(m_position++);
        if (quoted) {
            if (c == u'"') {
                if (m_position < size && m_text.at(m_position) == u'"') {
                    cell += c;
                    ++m_position;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == u'\n') ++m_line;
            cell += c;
            continue;
        }
        if (c == u'"') {
            quoted = true;
        } else if (c == m_separator) {
            cells << cell;
            cell.clear();
        } else if (c == u'\n' ||
                   (c == u'\r' && m_position < size && m_text.at(m_position) == u'\n')) {
            if (c == u'\r') ++m_position;
            ++m_line;
            cells << cell;
            return true;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        m_error =
            QStringLiteral("Ligne %1 : un champ entre guillemets n'est jamais fermé.").arg(line);
        return false;
    }
    cells << cell;
    return true;
}
