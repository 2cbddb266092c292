#pragma once

#include <vector>

#include "catalog/DateStamp.h"

// First and last day keys (YYYYMMDD) of one stored session.
struct SessionSpan {
    int startDay = 0;
    int endDay = 0;
};

// The month keys (YYYYMM) that the calendar's month list offers, newest first and each once:
// every month from January 2006 to the current month, the current month and the twelve
// after it (sessions are planned ahead), and every month that a stored session covers,
// however old. Keys that name no real month (a NULL day read as 0) are left out.
std::vector<int> OfferedMonthKeys(const CDateStamp& today,
                                  const std::vector<SessionSpan>& sessions);

// Last day key of a month key and first day key: 200705 -> 20070531 and 20070501.
int LastDayKeyOfMonth(int monthKey);
int FirstDayKeyOfMonth(int monthKey);
