// The date and time forms of the catch log: parsing, display layouts, month stepping and the
// stored keys.
#include <QDateTime>

#include <gtest/gtest.h>

#include "catalog/DateStamp.h"

namespace {

void ExpectFields(const CDateStamp& d, int year, int month, int day, int hour, int minute,
                  int second) {
    EXPECT_EQ(d.year, year);
    EXPECT_EQ(d.month, month);
    EXPECT_EQ(d.day, day);
    EXPECT_EQ(d.hour, hour);
    EXPECT_EQ(d.minute, minute);
    EXPECT_EQ(d.second, second);
}

TEST(DateStampTest, EmptyStampHoldsMinusOneEverywhere) {
    ExpectFields(CDateStamp(), -1, -1, -1, -1, -1, -1);
}

TEST(DateStampTest, ParsesStoredMomentAndShowsItInEveryLayout) {
    CDateStamp d;
    d.Parse(QStringLiteral("2007-05-12 14:30:00"), DateTimeLayout::Stored);
    ExpectFields(d, 2007, 5, 12, 14, 30, 0);
    EXPECT_EQ(d.FormatDate(DateLayout::DayKey), "20070512");
    EXPECT_EQ(d.FormatDate(DateLayout::MonthKey), "200705");
    EXPECT_EQ(d.FormatDate(DateLayout::DayFirst), "12/05/2007");
    EXPECT_EQ(d.FormatDate(DateLayout::DayMonthName), "12 MAI 2007");
    EXPECT_EQ(d.FormatDate(DateLayout::MonthName), "MAI 2007");
    EXPECT_EQ(d.FormatDate(static_cast<DateLayout>(5)), "");
    EXPECT_EQ(d.FormatDate(static_cast<DateLayout>(-1)), "");
    EXPECT_EQ(d.FormatDateTime(DateTimeLayout::Stored), "2007-05-12 14:30:00");
    EXPECT_EQ(d.FormatDateTime(DateTimeLayout::DayFirst), "12/05/2007 14:30:00");
    EXPECT_EQ(d.FormatDateTime(DateTimeLayout::Spoken), QStringLiteral("12/05/2007 à 14:30:00"));
    EXPECT_EQ(d.FormatDateTime(DateTimeLayout::DayFirstMinutes), "12/05/2007 14:30");
    EXPECT_EQ(d.FormatDateTime(static_cast<DateTimeLayout>(4)), "");
}

TEST(DateStampTest, CatchListDateOfStoredBytesIsTheParsedOne) {
    // The usual form and the odd ones a damaged log may hold read as Parse would read them.
    for (const char* stored : {"2007-05-12 14:30:00", "2007-05-12", "0007-01-02 00:00:00",
                               "2007-5-12 14:30:00", "2007/05/12", "20a7-05-12", "-007-05-12 ",
                               "2007-05-1", "", "12345-01-01 00:00:00", "2007-05-12\xc3\xa9"}) {
        CDateStamp d;
        d.Parse(QString::fromUtf8(stored), DateTimeLayout::Stored);
        QString listed = QStringLiteral("> ");
        AppendStoredMomentDayFirst(listed, QByteArrayView(stored));
        EXPECT_EQ(listed, "> " + d.FormatDate(DateLayout::DayFirst)) << stored;
    }
}

TEST(DateStampTest, ParsesDayFirstLayouts) {
    CDateStamp d;
    d.Parse(QStringLiteral("03/02/2007 07:05:42"), DateTimeLayout::DayFirst);
    ExpectFields(d, 2007, 2, 3, 7, 5, 42);

    CDateStamp minutes(1999, 1, 1, 1, 1, 59);
    minutes.Parse(QStringLiteral("12/05/2007 14:30"), DateTimeLayout::DayFirstMinutes);
    ExpectFields(minutes, 2007, 5, 12, 14, 30, 0);
}

TEST(DateStampTest, ParseOfNullOrShortTextGivesZeroFields) {
    CDateStamp d;
    d.Parse(QString(), DateTimeLayout::Stored);
    ExpectFields(d, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(d.FormatDate(DateLayout::DayFirst), "00/00/0000");

    CDateStamp cut;
    cut.Parse(QStringLiteral("2007-05"), DateTimeLayout::Stored);
    ExpectFields(cut, 2007, 5, 0, 0, 0, 0);
}

TEST(DateStampTest, ParseKeepsOutOfRangeValuesAndReadsTrailingSecondsAsDecimal) {
    CDateStamp d;
    d.Parse(QStringLiteral("00/13/2007 25:61:07.500"), DateTimeLayout::DayFirst);
    ExpectFields(d, 2007, 13, 0, 25, 61, 7);
    EXPECT_EQ(d.MonthName(), "");
    EXPECT_EQ(d.FormatDate(DateLayout::MonthName), " 2007");
}

TEST(DateStampTest, FormatsOutOfRangeFieldsAsPrintfWould) {
    const CDateStamp empty;
    EXPECT_EQ(empty.FormatDate(DateLayout::DayFirst), "-1/-1/-001");
    EXPECT_EQ(empty.FormatDate(DateLayout::DayKey), "-001-1-1");
    EXPECT_EQ(empty.FormatDateTime(DateTimeLayout::DayFirstMinutes), "-1/-1/-001 -1:-1");
    const CDateStamp far(12345, 123, 7, 100, 0, 5);
    EXPECT_EQ(far.FormatDate(DateLayout::DayFirst), "07/123/12345");
    EXPECT_EQ(far.FormatDateTime(DateTimeLayout::Stored), "12345-123-07 100:00:05");
}

TEST(DateStampTest, UnknownParseLayoutLeavesTheValue) {
    CDateStamp d(2007, 5, 12, 14, 30, 0);
    d.Parse(QStringLiteral("2001-01-01 00:00:00"), DateTimeLayout::Spoken);
    d.Parse(QStringLiteral("2001-01-01 00:00:00"), static_cast<DateTimeLayout>(4));
    ExpectFields(d, 2007, 5, 12, 14, 30, 0);
}

TEST(DateStampTest, MonthNamesAreUpperCaseWithoutAccents) {
    const char* names[] = {"JANVIER", "FEVRIER", "MARS",      "AVRIL",   "MAI",      "JUIN",
                           "JUILLET", "AOUT",    "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DECEMBRE"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(CDateStamp(2007, month, 1, 0, 0, 0).MonthName(), names[month - 1]);
    }
    EXPECT_EQ(CDateStamp(2007, 0, 1, 0, 0, 0).MonthName(), "");
    EXPECT_EQ(CDateStamp(2007, 13, 1, 0, 0, 0).MonthName(), "");
}

TEST(DateStampTest, NextMonthWrapsTheYearAndKeepsDayAndTime) {
    CDateStamp d(2006, 12, 31, 23, 59, 58);
    d.NextMonth();
    ExpectFields(d, 2007, 1, 31, 23, 59, 58);
    d.NextMonth();
    EXPECT_EQ(d.MonthKey(), 200702);
}

TEST(DateStampTest, CompareMonthIgnoresDayAndTime) {
    const CDateStamp may(2007, 5, 1, 0, 0, 0);
    EXPECT_EQ(may.CompareMonth(CDateStamp(2007, 5, 31, 23, 59, 59)), 0);
    EXPECT_EQ(may.CompareMonth(CDateStamp(2007, 6, 1, 0, 0, 0)), -1);
    EXPECT_EQ(may.CompareMonth(CDateStamp(2007, 4, 30, 0, 0, 0)), 1);
    EXPECT_EQ(may.CompareMonth(CDateStamp(2006, 12, 1, 0, 0, 0)), 1);
    EXPECT_EQ(may.CompareMonth(CDateStamp(2008, 1, 1, 0, 0, 0)), -1);
}

TEST(DateStampTest, KeysOfDaysTimesAndMonths) {
    const CDateStamp d(2007, 5, 12, 8, 30, 0);
    EXPECT_EQ(d.DayKey(), 20070512);
    EXPECT_EQ(d.TimeKey(), 830);
    EXPECT_EQ(d.MonthKey(), 200705);
    EXPECT_EQ(FormatTimeKey(830), "08:30");
    EXPECT_EQ(FormatTimeKey(5), "00:05");
    EXPECT_EQ(FormatTimeKey(2359), "23:59");
    EXPECT_EQ(FormatTimeKey(0), "00:00");
    EXPECT_EQ(FormatDayKey(20070315), "15/03/2007");
}

TEST(DateStampTest, DialogMomentBecomesTheStoredText) {
    EXPECT_EQ(DayFirstToStoredMoment(QStringLiteral("03/02/2007 07:05:00")), "2007-02-03 07:05:00");
    EXPECT_EQ(DayFirstToStoredMoment(QStringLiteral("12/05/2007 14:30:27")), "2007-05-12 14:30:00");
    CDateStamp back;
    back.Parse(DayFirstToStoredMoment(QStringLiteral("31/12/2007 23:59:00")),
               DateTimeLayout::Stored);
    EXPECT_EQ(back.FormatDateTime(DateTimeLayout::DayFirst), "31/12/2007 23:59:00");
}

TEST(DateStampTest, ConvertsToAndFromThePickersValue) {
    const CDateStamp d(2007, 5, 12, 14, 30, 5);
    const QDateTime value = d.ToDateTime();
    EXPECT_EQ(value, QDateTime(QDate(2007, 5, 12), QTime(14, 30, 5)));
    ExpectFields(CDateStamp::FromDateTime(value), 2007, 5, 12, 14, 30, 5);

    const CDateStamp now = CDateStamp::Now();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

}  // namespace
