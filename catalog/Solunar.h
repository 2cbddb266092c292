#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "catalog/Ephemerides.h"

// The feeding periods of the solunar theory: a major period of two hours centred on each
// transit of the moon (upper or lower), a minor period of one hour centred on each moonrise
// and moonset.
struct SolunarPeriod {
    QDateTime centre;
    bool major = false;
    QDateTime Start() const;
    QDateTime End() const;
};

// The periods of one day, in order of their centres.
std::vector<SolunarPeriod> SolunarPeriods(const DayEphemerides& day);

// The day rating from 0 to 4:
//  +2 within 1.5 days of a new or full moon (elongation within 18 degrees), else +1 within
//     3.5 days of one (within 43 degrees);
//  +1 when a period overlaps the hour around sunrise, +1 when one overlaps the hour around
//     sunset.
int DayRating(const DayEphemerides& day);

// The two texts of the catch sheet and the calendar, without their labels:
// "lune à 25 % (DERNIER CROISSANT), soleil 06:04 – 21:09" for the moon at one moment, and
// "majeures 09:39 et 22:04, mineures 03:55 et 15:38".
QString EphemeridesText(const MoonState& moon, const DayEphemerides& day);
QString SolunarText(const DayEphemerides& day);
