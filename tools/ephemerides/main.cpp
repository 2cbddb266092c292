// Reads lines "yyyy-MM-dd<TAB>position text" on standard input and prints, for each, one JSON
// object with the day's ephemerides as Brevane computes them, times in ISO 8601 local time
// with their offset. A line that cannot be read gives {"error": ...}.
#include <cstdio>
#include <iostream>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "catalog/Ephemerides.h"
#include "catalog/GeoPosition.h"

namespace {

QJsonArray Times(const std::vector<QDateTime>& times) {
    QJsonArray list;
    for (const QDateTime& t : times)
        list.append(t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate));
    return list;
}

QJsonObject Describe(const QString& line) {
    const QString dayText = line.section(QLatin1Char('\t'), 0, 0);
    const QDate day = QDate::fromString(dayText, Qt::ISODate);
    const auto where = ParseGeoPosition(line.section(QLatin1Char('\t'), 1));
    if (!day.isValid() || !where) return {{"error", line}};
    const DayEphemerides e = ComputeDay(day, *where);
    return {
        {"day", dayText},
        {"latitude", where->latitude},
        {"longitude", where->longitude},
        {"illuminated", e.moonAtNoon.illuminated},
        {"phase", MoonPhaseName(e.moonAtNoon.phase)},
        {"moonrise", Times(e.moonrises)},
        {"moontransit", Times(e.moonTransits)},
        {"moonset", Times(e.moonsets)},
        {"moonlowertransit", Times(e.moonLowerTransits)},
        {"sunrise", Times(e.sunrises)},
        {"sunset", Times(e.sunsets)},
    };
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.empty()) continue;
        const QJsonObject day = Describe(QString::fromStdString(line));
        std::cout << QJsonDocument(day).toJson(QJsonDocument::Compact).toStdString() << '\n';
    }
    return 0;
}
