#pragma once

#include <QRect>
#include <QString>
#include <optional>

#include "catalog/GeoPosition.h"
#include "catalog/MoonPhase.h"

class QPainter;

// What a day cell of the calendar shows of the sky: the moon at noon, and with a position the
// day rating and a tooltip with the solunar periods.
struct CCalendarSky {
    MoonState moon;
    int rating = -1;  // -1 without a position
    QString tooltip;
};

// The sky of one day (key YYYYMMDD).
CCalendarSky ComputeCalendarSky(int dayKey, const std::optional<GeoPosition>& where);

// "★★★☆" for a rating of 3 out of 4; "" without a rating.
QString RatingStars(int rating);

// The square at the top right of a cell where the moon is drawn, its side a fixed share of
// the cell's height; the rating is written to its left.
QRect MoonPictureRect(const QRect& cell);

// The moon as seen in the sky: a dark disk with its lit part (on the right while it waxes).
void PaintMoon(QPainter& painter, const QRect& box, const MoonState& moon);
