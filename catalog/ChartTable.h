#pragma once

#include <QString>
#include <QStringList>

struct ChartData;

// Titles of the columns of a chart's table: its axis, "Prises", and "Poissons" when it counts
// fish too.
QStringList ChartColumnTitles(const ChartData& data);
// The cells of one row of the table, in the columns' order.
QStringList ChartRowCells(const ChartData& data, int row);
// The whole table as text for the clipboard: a line of titles, then a line per row, cells
// separated by tabs, so that a spreadsheet pastes it into its own cells.
QString ChartTableText(const ChartData& data);
