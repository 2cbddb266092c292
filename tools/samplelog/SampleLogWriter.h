#pragma once

#include <QString>

#include "tools/samplelog/SampleOptions.h"

class CCatchDatabase;

// What was written, for the summary line.
struct SampleLogCounts {
    int catches = 0;
    int fishLinks = 0;
    int baitLinks = 0;
    int sessions = 0;
    int albums = 0;
    int photos = 0;
};

// Fills an opened catch log (whose PRISES table is empty) as the options ask: the catalogues,
// the catches with their link rows, the sessions, the albums and their pictures. Every row is
// written in one transaction: the log gets all of it or nothing (pictures already painted are
// removed again). False after the driver's message was shown.
bool WriteSampleLog(CCatchDatabase& db, const SampleOptions& options, SampleLogCounts& counts);

// The number of PRISES rows, -1 when it can't be read.
int CountCatches(CCatchDatabase& db);
