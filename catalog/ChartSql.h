#pragma once

#include <QString>

struct ChartFilter;

// The WHERE condition on PRISES p of the charts' filter. bySet: the species may be anywhere in
// the catch's fish set; otherwise only the catches of that species alone count (a weight or a
// size belongs to the whole catch).
QString ChartFilterCondition(const ChartFilter& filter, bool bySet);
