#include "catalog/Ephemerides.h"

#include <algorithm>
#include <cmath>

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/precession.h>
#include <libnova/rise_set.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kMsPerDay = 86400000.0;
// The same event found from two neighbouring UT days lands within a few seconds of itself.
constexpr qint64 kSameEventMs = qint64{30} * 60 * 1000;
// The smallest term of the lunar series kept: the whole series costs thirty times more for
// positions a few arcseconds closer, a second or two on a moonrise.
constexpr double kLunarSeriesPrecision = 1e-5;

double JulianDay(const QDateTime& moment) {
    return kUnixEpochJd + static_cast<double>(moment.toMSecsSinceEpoch()) / kMsPerDay;
}

QDateTime LocalTime(double jd) {
    const auto ms = static_cast<qint64>(std::llround((jd - kUnixEpochJd) * kMsPerDay));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
}

double Normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// libnova gives positions for the J2000 equinox while its rise and set times use the sidereal
// time of the date: without the precession to the date, times drift by about a minute every
// 25 years from 2000.
void OfDate(double jd, ln_equ_posn* position) {
    ln_equ_posn j2000 = *position;
    ln_get_equ_prec(&j2000, jd, position);
}

void SunPosition(double jd, ln_equ_posn* position) {
    ln_get_solar_equ_coords(jd, position);
    OfDate(jd, position);
}

void MoonPosition(double jd, ln_equ_posn* position) {
    ln_get_lunar_equ_coords_prec(jd, position, kLunarSeriesPrecision);
    OfDate(jd, position);
}

// A point on the equator opposite the moon in right ascension: its transit is the moon's lower
// transit, and on the equator it rises and sets everywhere but at the poles, so libnova
// always answers with a transit.
void AntiMoonPosition(double jd, ln_equ_posn* position) {
    MoonPosition(jd, position);
    position->ra = Normalized(position->ra + 180.0);
    position->dec = 0.0;
}

using BodyPosition = void (*)(double, ln_equ_posn*);

enum class Crossing { Horizon, Meridian };

double Radians(double degrees) { return degrees * M_PI / 180.0; }

// libnova interpolates a whole day from three positions, which puts a fast-moving moon's rise
// up to ten minutes off. Each guess is refined by Newton steps on the body's position at the
// guessed instant itself: its hour angle for a transit, its altitude for a rise or a set.
double Refine(double jd, const ln_lnlat_posn& observer, BodyPosition body, double horizon,
              Crossing crossing) {
    constexpr int kSteps = 5;
    constexpr double kSiderealDegreesPerDay = 360.985647;
    constexpr double kEnoughDays = 0.5 / 86400.0;
    for (int step = 0; step < kSteps; ++step) {
        ln_equ_posn p{};
        body(jd, &p);
        double hourAngle =
            Normalized(ln_get_apparent_sidereal_time(jd) * 15.0 + observer.lng - p.ra);
        if (hourAngle > 180.0) hourAngle -= 360.0;
        double shift = 0.0;
        if (crossing == Crossing::Meridian) {
            shift = -hourAngle / kSiderealDegreesPerDay;
        } else {
            const double lat = Radians(observer.lat);
            const double dec = Radians(p.dec);
            const double altitude =
                std::asin(std::sin(lat) * std::sin(dec) +
                          std::cos(lat) * std::cos(dec) * std::cos(Radians(hourAngle))) *
                180.0 / M_PI;
            const double rate = kSiderealDegreesPerDay * std::cos(dec) * std::cos(lat) *
                                std::sin(Radians(hourAngle));
            if (std::fabs(rate) < 1e-6) break;
            shift = (altitude - horizon) / rate;
        }
        jd += std::clamp(shift, -0.1, 0.1);
        if (std::fabs(shift) < kEnoughDays) break;
    }
    return jd;
}

// One local day as the instants that bound it, and the lists its events go into.
class DayWindow {
public:
    explicit DayWindow(const QDate& day)
        : m_start(day.startOfDay(Qt::LocalTime)), m_end(day.addDays(1).startOfDay(Qt::LocalTime)) {}

    // libnova answers for one UT day at a time; the local day overlaps two or three of them.
    void Collect(const ln_lnlat_posn& observer, BodyPosition body, double horizon,
                 std::vector<QDateTime>* rises, std::vector<QDateTime>* transits,
                 std::vector<QDateTime>* sets) const {
        const QDate first = m_start.toUTC().date().addDays(-1);
        const QDate last = m_end.toUTC().date().addDays(1);
        for (QDate utDay = first; utDay <= last; utDay = utDay.addDays(1)) {
            ln_lnlat_posn where = observer;
            ln_rst_time rst{};
            const double jd = JulianDay(utDay.startOfDay(Qt::UTC));
            if (ln_get_body_rst_horizon(jd, &where, body, horizon, &rst) != 0) continue;
            if (rises) Keep(Refine(rst.rise, where, body, horizon, Crossing::Horizon), rises);
            if (transits)
                Keep(Refine(rst.transit, where, body, horizon, Crossing::Meridian), transits);
            if (sets) Keep(Refine(rst.set, where, body, horizon, Crossing::Horizon), sets);
        }
    }

private:
    void Keep(double jd, std::vector<QDateTime>* list) const {
        if (list == nullptr) return;
        const QDateTime t = LocalTime(jd);
        if (t < m_start || t >= m_end) return;
        for (const QDateTime& known : *list)
            if (std::llabs(known.msecsTo(t)) < kSameEventMs) return;
        list->insert(std::upper_bound(list->begin(), list->end(), t), t);
    }

    QDateTime m_start;
    QDateTime m_end;
};

}  // namespace

MoonState MoonAt(const QDateTime& moment) {
    const double jd = JulianDay(moment);
    ln_lnlat_posn moon{};
    ln_lnlat_posn sun{};
    ln_get_lunar_ecl_coords(jd, &moon, kLunarSeriesPrecision);
    ln_get_solar_ecl_coords(jd, &sun);
    MoonState state;
    state.age = Normalized(moon.lng - sun.lng);
    state.illuminated = 100.0 * ln_get_lunar_disk(jd);
    state.phase = PhaseOfAge(state.age);
    return state;
}

DayEphemerides ComputeDay(const QDate& day, const GeoPosition& where) {
    DayEphemerides e;
    e.day = day;
    e.moonAtNoon = MoonAt(QDateTime(day, QTime(12, 0), Qt::LocalTime));
    // libnova counts longitudes east positive, as GeoPosition does.
    const ln_lnlat_posn observer{where.longitude, where.latitude};
    const DayWindow window(day);
    window.Collect(observer, MoonPosition, LN_LUNAR_STANDART_HORIZON, &e.moonrises, &e.moonTransits,
                   &e.moonsets);
    window.Collect(observer, AntiMoonPosition, LN_LUNAR_STANDART_HORIZON, nullptr,
                   &e.moonLowerTransits, nullptr);
    window.Collect(observer, SunPosition, LN_SOLAR_STANDART_HORIZON, &e.sunrises, nullptr,
                   &e.sunsets);
    return e;
}
