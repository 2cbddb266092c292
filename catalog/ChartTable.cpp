#include "catalog/ChartTable.h"

#include "catalog/ChartData.h"

namespace {
// A tab or a line break inside a name would split its cell.
QString Cell(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    }
    return text;
}
}  // namespace

QStringList ChartColumnTitles(const ChartData& data) {
    QStringList titles{QString::fromUtf8(ChartOf(data.kind).axisTitle), QStringLiteral("Prises")};
    if (data.showsFish) titles << QStringLiteral("Poissons");
    return titles;
}

QStringList ChartRowCells(const ChartData& data, int row) {
    const ChartRow& r = data.rows[static_cast<size_t>(row)];
    QStringList cells{r.label, QString::number(r.catches)};
    if (data.showsFish) cells << QString::number(r.fish);
    return cells;
}

QString ChartTableText(const ChartData& data) {
    QStringList lines{ChartColumnTitles(data).join(u'\t')};
    for (int row = 0; row < static_cast<int>(data.rows.size()); ++row) {
        QStringList cells = ChartRowCells(data, row);
        for (QString& cell : cells) cell = Cell(cell);
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}
