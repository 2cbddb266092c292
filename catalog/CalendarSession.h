#pragma once

#include <QString>

// One CALENDRIER row as the calendar shows it. The place label is looked up by the data
// operations so that the calendar control never queries the database.
struct CCalendarSession {
    int id = -1;
    int startDay = 0;    // DEBUT, YYYYMMDD
    int endDay = 0;      // FIN
    int placeId = -1;    // ID_LIEU
    QString placeLabel;  // GetLabel(placeId, 3): ten blanks for -1
    QString comment;
    int startTime = 0;  // HEURE_DEBUT, HHMM
    int endTime = 0;    // HEURE_FIN
};
