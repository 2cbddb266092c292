#pragma once

#include "catalog/ChartData.h"

class CDbConnection;

// The weights or sizes of the chosen species in bands fitted to its largest, the band of its
// record marked. Reads the catches of that species alone, as the records do, leaving out the
// ones never weighed or measured (0 or NULL). Throws CSQLException* on a driver error.
ChartData QueryHistogram(const CDbConnection& db, const ChartDefinition& chart,
                         const ChartFilter& filter);

// The narrowest of the usual band widths that puts first..last (in the measure's whole units,
// grams or centimetres) in at most maxBands bands.
int HistogramBandWidth(int first, int last, bool grams, int maxBands = 12);
