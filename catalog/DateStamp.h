#pragma once

#include <QDateTime>
#include <QString>

// Day, month, year, hour, minute, second as plain integers: no validation, no normalisation.
class CDateStamp {
public:
    CDateStamp();  // all six fields -1
    CDateStamp(int year, int month, int day, int hour, int minute, int second);
    static CDateStamp Now();
    static CDateStamp FromDateTime(const QDateTime& value);
    QDateTime ToDateTime() const;

    // Layouts 0 "yyyy-mm-dd hh:mm:ss", 1 "dd/mm/yyyy hh:mm:ss", 3 "dd/mm/yyyy hh:mm".
    void Parse(const QString& text, int layout);
    QString FormatDate(int layout) const;      // layouts 0..4
    QString FormatDateTime(int layout) const;  // layouts 0..3
    QString MonthName() const;                 // "JANVIER" .. "DECEMBRE"
    void NextMonth();
    int CompareMonth(const CDateStamp& other) const;  // -1, 0, 1

    int DayKey() const { return year * 10000 + month * 100 + day; }
    int MonthKey() const { return year * 100 + month; }
    int TimeKey() const { return hour * 100 + minute; }

    int day = -1;
    int month = -1;
    int year = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
};

// "HH:MM" of a stored time key (830 -> "08:30").
QString FormatTimeKey(int timeKey);
// "dd/mm/yyyy" of a stored day key (20070315 -> "15/03/2007").
QString FormatDayKey(int dayKey);
// The day-first text of the catch dialog ("dd/mm/yyyy hh:mm:00") as the stored
// "yyyy-mm-dd hh:mm:00" that sorts by time and reads back in layout 0.
QString DayFirstToStoredMoment(const QString& dayFirst);
