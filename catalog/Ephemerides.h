#pragma once

#include <QDate>
#include <QDateTime>
#include <vector>

#include "catalog/GeoPosition.h"
#include "catalog/MoonPhase.h"

// The moon and the sun over one day, computed offline with libnova. Times are in the local
// time of the computer: a day is from one local midnight to the next, 23 or 25 hours long on
// the days the clocks change. An event that does not happen that day (the moon rises about
// 50 minutes later each day, so some days have no moonrise) is simply absent.
struct DayEphemerides {
    QDate day;
    MoonState moonAtNoon;
    std::vector<QDateTime> moonrises;
    std::vector<QDateTime> moonTransits;  // the moon due south (north of the tropics)
    std::vector<QDateTime> moonsets;
    std::vector<QDateTime> moonLowerTransits;  // the moon due north, under the horizon
    std::vector<QDateTime> sunrises;
    std::vector<QDateTime> sunsets;
};

// The moon at one moment, wherever it is seen from.
MoonState MoonAt(const QDateTime& moment);

// The events of one local day at one position.
DayEphemerides ComputeDay(const QDate& day, const GeoPosition& where);
