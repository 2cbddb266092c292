#include "widgets/CalendarSky.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>

#include "catalog/Ephemerides.h"
#include "catalog/Solunar.h"

namespace {

constexpr int kMoonSide = 14;
constexpr int kMoonMargin = 3;
const QColor kMoonDark{70, 70, 90};
const QColor kMoonLit{250, 240, 190};

QString Clock(const QDateTime& t) { return t.toString(QStringLiteral("HH:mm")); }

QString Clocks(const std::vector<QDateTime>& times) {
    QStringList list;
    for (const QDateTime& t : times) list << Clock(t);
    return list.isEmpty() ? QStringLiteral("—") : list.join(QStringLiteral(", "));
}

QString PeriodList(const std::vector<SolunarPeriod>& periods, bool major) {
    QStringList list;
    for (const SolunarPeriod& p : periods)
        if (p.major == major) list << Clock(p.Start()) + QStringLiteral(" – ") + Clock(p.End());
    return list.isEmpty() ? QStringLiteral("aucune") : list.join(QStringLiteral(", "));
}

QString Tooltip(const DayEphemerides& day, int rating) {
    const auto periods = SolunarPeriods(day);
    return QStringLiteral(
               "Lune : %1 (%2 %)\nLever %3, passage %4, coucher %5\n"
               "Soleil : lever %6, coucher %7\nPériodes majeures : %8\n"
               "Périodes mineures : %9\nNote du jour : %10 sur 4")
        .arg(MoonPhaseName(day.moonAtNoon.phase))
        .arg(qRound(day.moonAtNoon.illuminated))
        .arg(Clocks(day.moonrises), Clocks(day.moonTransits), Clocks(day.moonsets),
             Clocks(day.sunrises), Clocks(day.sunsets), PeriodList(periods, true),
             PeriodList(periods, false))
        .arg(rating);
}

}  // namespace

CCalendarSky ComputeCalendarSky(int dayKey, const std::optional<GeoPosition>& where) {
    const QDate date(dayKey / 10000, dayKey / 100 % 100, dayKey % 100);
    CCalendarSky sky;
    if (!where) {
        sky.moon = MoonAt(QDateTime(date, QTime(12, 0)));
        sky.tooltip = QStringLiteral("Lune : %1 (%2 %)")
                          .arg(MoonPhaseName(sky.moon.phase))
                          .arg(qRound(sky.moon.illuminated));
        return sky;
    }
    const DayEphemerides day = ComputeDay(date, *where);
    sky.moon = day.moonAtNoon;
    sky.rating = DayRating(day);
    sky.tooltip = Tooltip(day, sky.rating);
    return sky;
}

QString RatingStars(int rating) {
    if (rating < 0) return QString();
    return QString(rating, QChar(0x2605)) + QString(4 - rating, QChar(0x2606));
}

QRect MoonPictureRect(const QRect& cell) {
    return QRect(cell.right() - kMoonMargin - kMoonSide + 1, cell.top() + kMoonMargin, kMoonSide,
                 kMoonSide);
}

void PaintMoon(QPainter& painter, const QRect& box, const MoonState& moon) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disk = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMoonDark);
    painter.drawEllipse(disk);
    // The lit part: half the disk on the sun's side, plus or minus a half-ellipse whose
    // width follows the illuminated fraction.
    const double k = moon.illuminated / 100.0;
    const double rx = disk.width() / 2.0;
    const double terminator = std::fabs(1.0 - 2.0 * k) * rx;
    const bool waxing = moon.age < 180.0;
    const QPointF c = disk.center();
    QPainterPath half;
    half.moveTo(c.x(), disk.top());
    half.arcTo(disk, 90.0, waxing ? -180.0 : 180.0);
    half.closeSubpath();
    QPainterPath ellipse;
    ellipse.addEllipse(c, terminator, disk.height() / 2.0);
    const QPainterPath lit = k < 0.5 ? half.subtracted(ellipse) : half.united(ellipse);
    painter.setBrush(kMoonLit);
    painter.drawPath(lit);
    painter.setPen(QPen(kMoonDark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disk);
    painter.restore();
}
