// Fuzz target of the date texts: every way CDateStamp takes a moment from outside (the stored
// "yyyy-mm-dd hh:mm:ss" read back from the database, the day-first texts of the dialogs, the
// day and time keys of the catch list) must read anything without harm, and what it reads
// must survive being written and read again.
#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstring>

#include "catalog/DateStamp.h"
#include "db/DbRecordset.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

QString Describe(const CDateStamp& d) {
    return QString::asprintf("%d-%d-%d %d:%d:%d", d.year, d.month, d.day, d.hour, d.minute,
                             d.second);
}

bool SameFields(const CDateStamp& a, const CDateStamp& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

// The fixed-width fields are written padded to their width; a value that does not fit (or a
// negative one, whose sign takes a place) cannot come back through the same width. The last
// field of a layout is read to the end of the text, so any value of it comes back.
bool FitsWidth(int value, int width) {
    const int limit = width == 4 ? 9999 : 99;
    return value >= 0 && value <= limit;
}

bool FixedFieldsFit(const CDateStamp& d) {
    return FitsWidth(d.year, 4) && FitsWidth(d.month, 2) && FitsWidth(d.day, 2) &&
           FitsWidth(d.hour, 2) && FitsWidth(d.minute, 2);
}

// Layouts the class parses and writes back the same.
struct ParseLayout {
    DateTimeLayout layout;
    bool readsSeconds;
};
constexpr ParseLayout kLayouts[] = {{DateTimeLayout::Stored, true},
                                    {DateTimeLayout::DayFirst, true},
                                    {DateTimeLayout::DayFirstMinutes, false}};

void CheckParseAndWriteBack(const QString& text) {
    for (const ParseLayout& layout : kLayouts) {
        CDateStamp parsed;
        parsed.Parse(text, layout.layout);
        if (!layout.readsSeconds) {
            FUZZ_CHECK(parsed.second == 0, Describe(parsed));
        }
        if (!FixedFieldsFit(parsed)) continue;
        const QString written = parsed.FormatDateTime(layout.layout);
        CDateStamp again;
        again.Parse(written, layout.layout);
        FUZZ_CHECK(SameFields(parsed, again), text + QStringLiteral(" -> ") + written +
                                                  QStringLiteral(" -> ") + Describe(again));
        FUZZ_CHECK(again.FormatDateTime(layout.layout) == written, written);
    }

    // Layouts the class does not parse leave the stamp untouched.
    for (int layout : {-1, 2, 4, 100}) {
        CDateStamp untouched;
        untouched.Parse(text, static_cast<DateTimeLayout>(layout));
        FUZZ_CHECK(SameFields(untouched, CDateStamp()), Describe(untouched));
    }
}

// A text written exactly in a layout reads back as its own digits, and is written back
// identically: an oracle that does not depend on the field reader.
void CheckWellFormed(const QString& text) {
    static const QRegularExpression stored(
        QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2}) ([0-9]{2}):([0-9]{2}):([0-9]{2})$"));
    static const QRegularExpression dayFirst(
        QStringLiteral("^([0-9]{2})/([0-9]{2})/([0-9]{4}) ([0-9]{2}):([0-9]{2})(?::([0-9]{2}))?$"));
    auto number = [](const QRegularExpressionMatch& m, int group) {
        return m.captured(group).toInt();
    };
    const QRegularExpressionMatch s = stored.match(text);
    if (s.hasMatch() && text.size() == 19) {
        CDateStamp d;
        d.Parse(text, DateTimeLayout::Stored);
        const CDateStamp expected(number(s, 1), number(s, 2), number(s, 3), number(s, 4),
                                  number(s, 5), number(s, 6));
        FUZZ_CHECK(SameFields(d, expected), text + QStringLiteral(" -> ") + Describe(d));
        FUZZ_CHECK(d.FormatDateTime(DateTimeLayout::Stored) == text,
                   d.FormatDateTime(DateTimeLayout::Stored));
    }
    const QRegularExpressionMatch f = dayFirst.match(text);
    if (f.hasMatch() && (text.size() == 16 || text.size() == 19)) {
        const bool withSeconds = text.size() == 19;
        CDateStamp d;
        d.Parse(text, withSeconds ? DateTimeLayout::DayFirst : DateTimeLayout::DayFirstMinutes);
        const CDateStamp expected(number(f, 3), number(f, 2), number(f, 1), number(f, 4),
                                  number(f, 5), withSeconds ? number(f, 6) : 0);
        FUZZ_CHECK(SameFields(d, expected), text + QStringLiteral(" -> ") + Describe(d));
        FUZZ_CHECK(d.FormatDateTime(withSeconds ? DateTimeLayout::DayFirst
                                                : DateTimeLayout::DayFirstMinutes) == text,
                   d.FormatDateTime(DateTimeLayout::DayFirst));
        // What the catch dialog stores sorts by time and reads back as stored.
        const QString moment = DayFirstToStoredMoment(text);
        CDateStamp storedMoment;
        storedMoment.Parse(moment, DateTimeLayout::Stored);
        CDateStamp toTheMinute = expected;
        toTheMinute.second = 0;
        FUZZ_CHECK(SameFields(storedMoment, toTheMinute), text + QStringLiteral(" -> ") + moment);
        FUZZ_CHECK(moment.size() == 19 && moment.endsWith(QLatin1String(":00")), moment);
    }
}

// The catch list's date of stored bytes is the one Parse and FormatDate give.
void CheckCatchListDate(const QByteArray& bytes) {
    CDateStamp d;
    d.Parse(QString::fromUtf8(bytes), DateTimeLayout::Stored);
    QString listed;
    AppendStoredMomentDayFirst(listed, bytes);
    FUZZ_CHECK(listed == d.FormatDate(DateLayout::DayFirst), QString::fromUtf8(bytes));
}

// The stored moment of the catch dialog, for any text: the dialog's reading with the seconds
// dropped, written as stored.
void CheckStoredMoment(const QString& text) {
    CDateStamp d;
    d.Parse(text, DateTimeLayout::DayFirst);
    d.second = 0;
    FUZZ_CHECK(DayFirstToStoredMoment(text) == d.FormatDateTime(DateTimeLayout::Stored), text);
}

qint32 ReadInt32(const uint8_t* p) {
    quint32 v = 0;
    std::memcpy(&v, p, sizeof v);
    return static_cast<qint32>(v);
}

// A real calendar moment built from the input bytes: the keys of the catch list, the month
// arithmetic of the calendar and the conversions to QDateTime must all agree with each other.
void CheckRealMoment(const uint8_t* data, size_t size) {
    if (size < 8) return;
    const int year = 1000 + (data[0] | data[1] << 8) % 9000;
    const int month = 1 + data[2] % 12;
    const int day = 1 + data[3] % QDate(year, month, 1).daysInMonth();
    const CDateStamp d(year, month, day, data[4] % 24, data[5] % 60, data[6] % 60);
    const QString detail = Describe(d);

    FUZZ_CHECK(FormatDayKey(d.DayKey()) == d.FormatDate(DateLayout::DayFirst), detail);
    FUZZ_CHECK(ReadDecimalInt(d.FormatDate(DateLayout::DayKey)) == d.DayKey(), detail);
    FUZZ_CHECK(ReadDecimalInt(d.FormatDate(DateLayout::MonthKey)) == d.MonthKey(), detail);
    FUZZ_CHECK(
        FormatTimeKey(d.TimeKey()) == d.FormatDateTime(DateTimeLayout::DayFirstMinutes).right(5),
        detail);
    FUZZ_CHECK(
        !d.MonthName().isEmpty() && d.FormatDate(DateLayout::DayMonthName).contains(d.MonthName()),
        detail);
    FUZZ_CHECK(d.FormatDate(DateLayout::MonthName) ==
                   d.MonthName() + QLatin1Char(' ') + d.FormatDate(DateLayout::DayKey).left(4),
               detail);
    FUZZ_CHECK(d.FormatDateTime(DateTimeLayout::Spoken) ==
                   d.FormatDate(DateLayout::DayFirst) + QStringLiteral(" à ") +
                       d.FormatDateTime(DateTimeLayout::Stored).right(8),
               detail);

    const QDateTime asDateTime = d.ToDateTime();
    FUZZ_CHECK(asDateTime.date().isValid(), detail);
    // A moment skipped by a daylight-saving change may move; the day never does.
    const CDateStamp back = CDateStamp::FromDateTime(asDateTime);
    FUZZ_CHECK(back.year == year && back.month == month && back.day == day, Describe(back));

    CDateStamp next = d;
    next.NextMonth();
    FUZZ_CHECK(next.month >= 1 && next.month <= 12, Describe(next));
    FUZZ_CHECK(d.CompareMonth(next) == -1 && next.CompareMonth(d) == 1 && d.CompareMonth(d) == 0,
               Describe(next));
    FUZZ_CHECK(next.MonthKey() > d.MonthKey(), Describe(next));

    for (const ParseLayout& layout : kLayouts) {
        CDateStamp again;
        again.Parse(d.FormatDateTime(layout.layout), layout.layout);
        if (!layout.readsSeconds) again.second = d.second;
        FUZZ_CHECK(SameFields(again, d), d.FormatDateTime(layout.layout));
    }

    // Any key, however wrong, is formatted without harm.
    const qint32 anyKey = ReadInt32(data + 4);
    FormatDayKey(anyKey);
    FormatTimeKey(anyKey);
    FUZZ_CHECK(ReadDecimalInt(QString::number(anyKey)) == anyKey, QString::number(anyKey));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The database hands texts over as UTF-8; a damaged file may hold anything.
    const QString text = QString::fromUtf8(bytes);
    CheckParseAndWriteBack(text);
    CheckWellFormed(text.trimmed() == text ? text : QString());
    CheckStoredMoment(text);
    CheckCatchListDate(bytes);
    // The same bytes read one byte to a character, so that every field reader also meets
    // characters beyond ASCII digits and signs one at a time.
    CheckParseAndWriteBack(QString::fromLatin1(bytes));
    CheckRealMoment(data, size);
    return 0;
}
