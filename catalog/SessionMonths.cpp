#include "catalog/SessionMonths.h"

#include <set>

namespace {

// A session spanning more months than this (a mistyped year) adds only its first and last
// month, so that one bad row cannot flood the list with centuries.
constexpr int kMaxListedSessionMonths = 120;

bool IsRealMonthKey(int monthKey) {
    const int year = monthKey / 100;
    const int month = monthKey % 100;
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12;
}

int MonthIndex(int monthKey) { return (monthKey / 100) * 12 + monthKey % 100 - 1; }

int NextMonthKey(int monthKey) {
    return monthKey % 100 == 12 ? (monthKey / 100 + 1) * 100 + 1 : monthKey + 1;
}

void AddSessionMonths(const SessionSpan& session, std::set<int>& keys) {
    const int first = session.startDay / 100;
    const int last = session.endDay / 100;
    if (!IsRealMonthKey(first)) {
        if (IsRealMonthKey(last)) {
            keys.insert(last);
        }
        return;
    }
    keys.insert(first);
    if (!IsRealMonthKey(last) || last <= first) {
        return;
    }
    keys.insert(last);
    if (MonthIndex(last) - MonthIndex(first) > kMaxListedSessionMonths) {
        return;
    }
    for (int month = NextMonthKey(first); month < last; month = NextMonthKey(month)) {
        keys.insert(month);
    }
}

}  // namespace

std::vector<int> OfferedMonthKeys(const CDateStamp& today,
                                  const std::vector<SessionSpan>& sessions) {
    std::set<int> keys;
    CDateStamp month(2006, 1, 1, 0, 0, 0);
    while (month.CompareMonth(today) != 1) {
        keys.insert(month.MonthKey());
        month.NextMonth();
    }
    const int current = today.MonthKey();
    if (IsRealMonthKey(current)) {
        int ahead = current;
        keys.insert(ahead);
        for (int i = 0; i < 12; ++i) {
            ahead = NextMonthKey(ahead);
            keys.insert(ahead);
        }
    }
    for (const SessionSpan& session : sessions) {
        AddSessionMonths(session, keys);
    }
    return {keys.rbegin(), keys.rend()};
}

int LastDayKeyOfMonth(int monthKey) { return monthKey * 100 + 31; }

int FirstDayKeyOfMonth(int monthKey) { return monthKey * 100 + 1; }
