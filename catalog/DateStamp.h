#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// How FormatDate writes a date.
enum class DateLayout {
    DayKey,        // "20070512"
    MonthKey,      // "200705"
    DayFirst,      // "12/05/2007"
    DayMonthName,  // "12 MAI 2007"
    MonthName,     // "MAI 2007"
};

// How FormatDateTime writes a moment, and Parse reads one (all but Spoken).
enum class DateTimeLayout {
    Stored,           // "2007-05-12 14:30:00", as the log keeps it
    DayFirst,         // "12/05/2007 14:30:00"
    Spoken,           // "12/05/2007 à 14:30:00" (written only)
    DayFirstMinutes,  // "12/05/2007 14:30"
};

// Day, month, year, hour, minute, second as plain integers: no validation, no normalisation.
class CDateStamp {
public:
    CDateStamp();  // all six fields -1
    CDateStamp(int year, int month, int day, int hour, int minute, int second);
    static CDateStamp Now();
    static CDateStamp FromDateTime(const QDateTime& value);
    QDateTime ToDateTime() const;

    // Leaves the stamp untouched for a layout it does not read.
    void Parse(const QString& text, DateTimeLayout layout);
    QString FormatDate(DateLayout layout) const;
    QString FormatDateTime(DateTimeLayout layout) const;
    QString MonthName() const;  // "JANVIER" .. "DECEMBRE"
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
// Appends "dd/mm/yyyy" of a stored moment's UTF-8 bytes, as Parse(Stored) then
// FormatDate(DayFirst) give it; the catch list writes one per row, so the usual form is
// rearranged without parsing.
void AppendStoredMomentDayFirst(QString& text, QByteArrayView stored);
// "dd/mm/yyyy" of a stored day key (20070315 -> "15/03/2007").
QString FormatDayKey(int dayKey);
// The day-first text of the catch dialog ("dd/mm/yyyy hh:mm:00") as the stored
// "yyyy-mm-dd hh:mm:00" that sorts by time and reads back as DateTimeLayout::Stored.
QString DayFirstToStoredMoment(const QString& dayFirst);
