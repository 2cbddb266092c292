#include "catalog/DateStamp.h"

#include <array>

#include "db/DbRecordset.h"

namespace {

// Consumes a text field by field: each field is the decimal reading of its first characters,
// after which a fixed count of characters (the field and its separator) is dropped.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : m_rest(text) {}

    int Take(int width, int drop) {
        const int value = ReadDecimalInt(m_rest.left(width));
        m_rest = m_rest.mid(drop);
        return value;
    }
    int Rest() const { return ReadDecimalInt(m_rest); }

private:
    QString m_rest;
};

const std::array<const char*, 12> kMonthNames = {"JANVIER",   "FEVRIER", "MARS",     "AVRIL",
                                                 "MAI",       "JUIN",    "JUILLET",  "AOUT",
                                                 "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DECEMBRE"};

}  // namespace

CDateStamp::CDateStamp() = default;

CDateStamp::CDateStamp(int year, int month, int day, int hour, int minute, int second)
    : day(day), month(month), year(year), hour(hour), minute(minute), second(second) {}

CDateStamp CDateStamp::Now() { return FromDateTime(QDateTime::currentDateTime()); }

CDateStamp CDateStamp::FromDateTime(const QDateTime& value) {
    const QDate date = value.date();
    const QTime time = value.time();
    return CDateStamp(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                      time.second());
}

QDateTime CDateStamp::ToDateTime() const {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

void CDateStamp::Parse(const QString& text, int layout) {
    FieldReader fields(text);
    switch (layout) {
        case 0:
            year = fields.Take(4, 5);
            month = fields.Take(2, 3);
            day = fields.Take(2, 3);
            hour = fields.Take(2, 3);
            minute = fields.Take(2, 3);
            second = fields.Rest();
            break;
        case 1:
        case 3:
            day = fields.Take(2, 3);
            month = fields.Take(2, 3);
            year = fields.Take(4, 5);
            hour = fields.Take(2, 3);
            minute = fields.Take(2, 3);
            second = layout == 1 ? fields.Rest() : 0;
            break;
        default:
            break;
    }
}

QString CDateStamp::FormatDate(int layout) const {
    switch (layout) {
        case 0:
            return QString::asprintf("%04d%02d%02d", year, month, day);
        case 1:
            return QString::asprintf("%04d%02d", year, month);
        case 2:
            return QString::asprintf("%02d/%02d/%04d", day, month, year);
        case 3:
            return QString::asprintf("%02d ", day) + MonthName() + QString::asprintf(" %04d", year);
        case 4:
            return MonthName() + QString::asprintf(" %04d", year);
        default:
            return QString();
    }
}

QString CDateStamp::FormatDateTime(int layout) const {
    switch (layout) {
        case 0:
            return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                                     minute, second);
        case 1:
            return QString::asprintf("%02d/%02d/%04d %02d:%02d:%02d", day, month, year, hour,
                                     minute, second);
        case 2:
            return QString::asprintf("%02d/%02d/%04d", day, month, year) + QStringLiteral(" à ") +
                   QString::asprintf("%02d:%02d:%02d", hour, minute, second);
        case 3:
            return QString::asprintf("%02d/%02d/%04d %02d:%02d", day, month, year, hour, minute);
        default:
            return QString();
    }
}

QString CDateStamp::MonthName() const {
    if (month < 1 || month > 12) return QString();
    return QString::fromLatin1(kMonthNames[month - 1]);
}

void CDateStamp::NextMonth() {
    ++month;
    if (month > 12) {
        month = 1;
        ++year;
    }
}

int CDateStamp::CompareMonth(const CDateStamp& other) const {
    if (year != other.year) return year < other.year ? -1 : 1;
    if (month != other.month) return month < other.month ? -1 : 1;
    return 0;
}

QString FormatTimeKey(int timeKey) {
    const QString digits = QString::asprintf("%04d", timeKey);
    return digits.left(2) + QLatin1Char(':') + digits.right(2);
}

QString FormatDayKey(int dayKey) {
    const QString digits = QString::number(dayKey);
    return digits.right(2) + QLatin1Char('/') + digits.mid(4, 2) + QLatin1Char('/') +
           digits.left(4);
}

QString DayFirstToStoredMoment(const QString& dayFirst) {
    CDateStamp moment;
    moment.Parse(dayFirst, 1);
    moment.second = 0;  // the moment of a catch is kept to the minute
    return moment.FormatDateTime(0);
}
