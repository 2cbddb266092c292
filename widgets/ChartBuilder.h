#pragma once

#include <QFont>
#include <QString>

class QChart;
struct ChartData;

// Bars at most drawn for a ranked chart (the table lists them all).
constexpr int kMaxRankedBars = 12;

// A new chart (owned by the caller) drawing the numbers of data: bars of catches, and of fish
// when it counts them; the record's band in its own colour; French axis titles and numbers.
// The title names the chart, the subtitle what it counts (species, place, period, note). Text
// is in font, the title in a larger bold of it.
QChart* BuildChart(const ChartData& data, const QString& subtitle, const QFont& font);
