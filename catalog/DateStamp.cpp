#include "catalog/DateStamp.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "db/DecimalReading.h"

namespace {

// Consumes a text field by field: each field is the decimal reading of its first characters,
// after which a fixed count of characters (the field and its separator) is dropped.
class FieldReader {
public:
    explicit FieldReader(QStringView text) : m_rest(text) {}

    int Take(qsizetype width, qsizetype drop) {
        const int value = ReadDecimalInt(m_rest.first(std::min(width, m_rest.size())));
        m_rest = m_rest.size() > drop ? m_rest.mid(drop) : QStringView();
        return value;
    }
    int Rest() const { return ReadDecimalInt(m_rest); }

private:
    QStringView m_rest;
};

// "%0<width>d" without a printf per field: the catch list formats 100,000 dates per fill.
void AppendPadded(QString& text, int value, int width) {
    if (value < 0) {
        text += QString::asprintf("%0*d", width, value);
        return;
    }
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = count; i < width; ++i) text += QLatin1Char('0');
    while (count > 0) text += QLatin1Char(digits[--count]);
}

// "dd/mm/yyyy".
void AppendDayFirstDate(QString& text, const CDateStamp& d) {
    AppendPadded(text, d.day, 2);
    text += QLatin1Char('/');
    AppendPadded(text, d.month, 2);
    text += QLatin1Char('/');
    AppendPadded(text, d.year, 4);
}

// "hh:mm:ss", or "hh:mm" without the seconds.
void AppendTime(QString& text, const CDateStamp& d, bool withSeconds) {
    AppendPadded(text, d.hour, 2);
    text += QLatin1Char(':');
    AppendPadded(text, d.minute, 2);
    if (!withSeconds) return;
    text += QLatin1Char(':');
    AppendPadded(text, d.second, 2);
}

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

void CDateStamp::Parse(const QString& text, DateTimeLayout layout) {
    FieldReader fields(text);
    switch (layout) {
        case DateTimeLayout::Stored:
            year = fields.Take(4, 5);
            month = fields.Take(2, 3);
            day = fields.Take(2, 3);
            hour = fields.Take(2, 3);
            minute = fields.Take(2, 3);
            second = fields.Rest();
            break;
        case DateTimeLayout::DayFirst:
        case DateTimeLayout::DayFirstMinutes:
            day = fields.Take(2, 3);
            month = fields.Take(2, 3);
            year = fields.Take(4, 5);
            hour = fields.Take(2, 3);
            minute = fields.Take(2, 3);
            second = layout == DateTimeLayout::DayFirst ? fields.Rest() : 0;
            break;
        case DateTimeLayout::Spoken:
            break;
    }
}

QString CDateStamp::FormatDate(DateLayout layout) const {
    QString text;
    switch (layout) {
        case DateLayout::DayKey:
            AppendPadded(text, year, 4);
            AppendPadded(text, month, 2);
            AppendPadded(text, day, 2);
            break;
        case DateLayout::MonthKey:
            AppendPadded(text, year, 4);
            AppendPadded(text, month, 2);
            break;
        case DateLayout::DayFirst:
            AppendDayFirstDate(text, *this);
            break;
        case DateLayout::DayMonthName:
            AppendPadded(text, day, 2);
            text += QLatin1Char(' ') + MonthName() + QLatin1Char(' ');
            AppendPadded(text, year, 4);
            break;
        case DateLayout::MonthName:
            text = MonthName() + QLatin1Char(' ');
            AppendPadded(text, year, 4);
            break;
        default:
            break;
    }
    return text;
}

QString CDateStamp::FormatDateTime(DateTimeLayout layout) const {
    QString text;
    switch (layout) {
        case DateTimeLayout::Stored:
            AppendPadded(text, year, 4);
            text += QLatin1Char('-');
            AppendPadded(text, month, 2);
            text += QLatin1Char('-');
            AppendPadded(text, day, 2);
            text += QLatin1Char(' ');
            AppendTime(text, *this, true);
            break;
        case DateTimeLayout::DayFirst:
        case DateTimeLayout::Spoken:
            AppendDayFirstDate(text, *this);
            text +=
                layout == DateTimeLayout::DayFirst ? QStringLiteral(" ") : QStringLiteral(" à ");
            AppendTime(text, *this, true);
            break;
        case DateTimeLayout::DayFirstMinutes:
            AppendDayFirstDate(text, *this);
            text += QLatin1Char(' ');
            AppendTime(text, *this, false);
            break;
        default:
            break;
    }
    return text;
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

void AppendStoredMomentDayFirst(QString& text, QByteArrayView stored) {
    const auto digitsAt = [stored](std::initializer_list<int> positions) {
        return std::all_of(positions.begin(), positions.end(),
                           [stored](int at) { return stored[at] >= '0' && stored[at] <= '9'; });
    };
    if (stored.size() >= 10 && stored[4] == '-' && stored[7] == '-' &&
        digitsAt({0, 1, 2, 3, 5, 6, 8, 9})) {
        const char date[10] = {stored[8], stored[9], '/',       stored[5], stored[6],
                               '/',       stored[0], stored[1], stored[2], stored[3]};
        text += QLatin1StringView(date, 10);
        return;
    }
    CDateStamp moment;
    moment.Parse(QString::fromUtf8(stored), DateTimeLayout::Stored);
    text += moment.FormatDate(DateLayout::DayFirst);
}

QString FormatDayKey(int dayKey) {
    const QString digits = QString::number(dayKey);
    return digits.right(2) + QLatin1Char('/') + digits.mid(4, 2) + QLatin1Char('/') +
           digits.left(4);
}

QString DayFirstToStoredMoment(const QString& dayFirst) {
    CDateStamp moment;
    moment.Parse(dayFirst, DateTimeLayout::DayFirst);
    moment.second = 0;  // the moment of a catch is kept to the minute
    return moment.FormatDateTime(DateTimeLayout::Stored);
}
