#include "catalog/Solunar.h"

#include <algorithm>
#include <cmath>

#include <QStringList>

namespace {

constexpr qint64 kMajorHalfSecs = qint64{60} * 60;
constexpr qint64 kMinorHalfSecs = qint64{30} * 60;
// Around sunrise and sunset, the window a period must overlap to count.
constexpr qint64 kTwilightHalfSecs = qint64{30} * 60;
constexpr double kCloseToSyzygy = 18.0;  // about 1.5 days of the lunation
constexpr double kNearSyzygy = 43.0;     // about 3.5 days

QString Clock(const QDateTime& t) { return t.toString(QStringLiteral("HH:mm")); }

QString Clocks(const std::vector<SolunarPeriod>& periods, bool major) {
    QStringList times;
    for (const SolunarPeriod& p : periods)
        if (p.major == major) times << Clock(p.centre);
    return times.join(QStringLiteral(" et "));
}

// Degrees from the nearest new or full moon.
double FromSyzygy(double age) {
    const double half = std::fmod(age, 180.0);
    return std::min(half, 180.0 - half);
}

bool OverlapsAny(const std::vector<SolunarPeriod>& periods, const QDateTime& sunEvent) {
    const QDateTime from = sunEvent.addSecs(-kTwilightHalfSecs);
    const QDateTime to = sunEvent.addSecs(kTwilightHalfSecs);
    return std::any_of(periods.begin(), periods.end(),
                       [&](const SolunarPeriod& p) { return p.Start() < to && from < p.End(); });
}

bool AnyOverlaps(const std::vector<SolunarPeriod>& periods, const std::vector<QDateTime>& sun) {
    return std::any_of(sun.begin(), sun.end(),
                       [&](const QDateTime& t) { return OverlapsAny(periods, t); });
}

}  // namespace

QDateTime SolunarPeriod::Start() const {
    return centre.addSecs(-(major ? kMajorHalfSecs : kMinorHalfSecs));
}

QDateTime SolunarPeriod::End() const {
    return centre.addSecs(major ? kMajorHalfSecs : kMinorHalfSecs);
}

std::vector<SolunarPeriod> SolunarPeriods(const DayEphemerides& day) {
    std::vector<SolunarPeriod> periods;
    for (const auto* list : {&day.moonTransits, &day.moonLowerTransits})
        for (const QDateTime& t : *list) periods.push_back({t, true});
    for (const auto* list : {&day.moonrises, &day.moonsets})
        for (const QDateTime& t : *list) periods.push_back({t, false});
    std::sort(periods.begin(), periods.end(),
              [](const SolunarPeriod& a, const SolunarPeriod& b) { return a.centre < b.centre; });
    return periods;
}

int DayRating(const DayEphemerides& day) {
    const double distance = FromSyzygy(day.moonAtNoon.age);
    int rating = distance <= kCloseToSyzygy ? 2 : distance <= kNearSyzygy ? 1 : 0;
    const auto periods = SolunarPeriods(day);
    if (AnyOverlaps(periods, day.sunrises)) ++rating;
    if (AnyOverlaps(periods, day.sunsets)) ++rating;
    return rating;
}

QString EphemeridesText(const MoonState& moon, const DayEphemerides& day) {
    QString text = QStringLiteral("lune à %1 % (%2)")
                       .arg(qRound(moon.illuminated))
                       .arg(MoonPhaseName(moon.phase));
    if (!day.sunrises.empty() && !day.sunsets.empty())
        text += QStringLiteral(", soleil %1 – %2")
                    .arg(Clock(day.sunrises.front()), Clock(day.sunsets.front()));
    return text;
}

QString SolunarText(const DayEphemerides& day) {
    const auto periods = SolunarPeriods(day);
    QStringList parts;
    if (const QString major = Clocks(periods, true); !major.isEmpty())
        parts << QStringLiteral("majeures ") + major;
    if (const QString minor = Clocks(periods, false); !minor.isEmpty())
        parts << QStringLiteral("mineures ") + minor;
    return parts.join(QStringLiteral(", "));
}
