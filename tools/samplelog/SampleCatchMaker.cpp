#include "tools/samplelog/SampleCatchMaker.h"

#include <algorithm>
#include <cmath>

#include "tools/samplelog/SampleCatalogs.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLunarMonth = 29.530588853;
constexpr int kTideCycleMinutes = 745;  // 12 h 25 min between two high tides

// Monthly means in France: more outings from spring to autumn, milder water at sea in winter.
constexpr int kOutingShare[12] = {3, 3, 5, 7, 9, 10, 10, 10, 9, 8, 5, 3};
constexpr int kAirMean[12] = {5, 6, 9, 12, 16, 19, 22, 22, 18, 14, 9, 6};
constexpr int kFreshWaterMean[12] = {6, 6, 8, 11, 15, 18, 21, 21, 18, 14, 10, 7};
constexpr int kSeaWaterMean[12] = {11, 10, 11, 12, 14, 17, 19, 20, 18, 16, 14, 12};

bool Suits(Water entry, int water) {
    return entry == Water::Both || static_cast<int>(entry) == water;
}

template <typename Entry>
std::vector<int> WatersOf(const std::vector<Entry>& entries) {
    std::vector<int> waters;
    for (const Entry& entry : entries) waters.push_back(static_cast<int>(entry.water));
    return waters;
}

int DayKey(const QDate& day) { return day.year() * 10000 + day.month() * 100 + day.day(); }

}  // namespace

int MoonPhaseIndex(const QDate& day) {
    // Days since the new moon of 6 January 2000.
    const double days = static_cast<double>(QDate(2000, 1, 6).daysTo(day)) - 0.24;
    double age = std::fmod(days, kLunarMonth);
    if (age < 0) age += kLunarMonth;
    return static_cast<int>(age / kLunarMonth * 8.0 + 0.5) % 8;
}

struct CSampleCatchMaker::Outing {
    QDate firstDay;
    int days = 1;
    int startMinute = 0;
    int endMinute = 0;  // on the last day
    int placeIndex = 0;
    int water = 0;
    bool hasGps = false;
    bool written = false;  // kept as a session
    int groundbaitId = -1;
    int rigId = -1;
    int techniqueId = -1;
    int weatherId = -1;
    int windId = -1;
    int windDirectionId = -1;
    int waterColourId = -1;
    int moonId = -1;
    int tideOffset = 0;  // minutes: where high tide falls for this place
};

CSampleCatchMaker::CSampleCatchMaker(const SampleCatalogIds& ids, CSampleRandom& random,
                                     QDate firstDay, QDate lastDay)
    : m_ids(ids), m_random(random), m_firstDay(firstDay), m_lastDay(lastDay) {
    for (const PlaceTrait& place : SamplePlaces()) m_placeWeights.push_back(place.popularity);
}

void CSampleCatchMaker::Make(int catchCount, std::vector<SampleCatch>& catches,
                             std::vector<SampleSession>& sessions) {
    catches.reserve(static_cast<size_t>(catchCount));
    while (static_cast<int>(catches.size()) < catchCount) {
        const Outing outing = MakeOuting();
        // Most outings give a fish or two, a good day a dozen.
        int count = 1;
        while (count < 12 && m_random.Chance(0.55)) ++count;
        count = std::min(count, catchCount - static_cast<int>(catches.size()));
        AddCatches(outing, count, catches);
        if (outing.written) sessions.push_back(SessionOf(outing));
    }
    std::stable_sort(catches.begin(), catches.end(),
                     [](const SampleCatch& a, const SampleCatch& b) {
                         return a.day != b.day ? a.day < b.day : a.minuteOfDay < b.minuteOfDay;
                     });
    std::stable_sort(
        sessions.begin(), sessions.end(), [](const SampleSession& a, const SampleSession& b) {
            return a.startDay != b.startDay ? a.startDay < b.startDay : a.startTime < b.startTime;
        });
}

QDate CSampleCatchMaker::DrawDay() {
    const qint64 span = m_firstDay.daysTo(m_lastDay);
    for (;;) {
        const QDate day = m_firstDay.addDays(static_cast<qint64>(m_random.Unit() * (span + 1)));
        const int weekendBonus = day.dayOfWeek() >= 6 ? 10 : 4;
        // Accept in proportion to the season and the day of the week.
        if (m_random.Unit() * 100.0 < kOutingShare[day.month() - 1] * weekendBonus) return day;
    }
}

int CSampleCatchMaker::PickByWater(const std::vector<int>& ids, const std::vector<int>& waters,
                                   int water) {
    std::vector<int> weights;
    for (const int entryWater : waters)
        weights.push_back(Suits(static_cast<Water>(entryWater), water) ? 1 : 0);
    return ids.at(static_cast<size_t>(m_random.Weighted(weights)));
}

CSampleCatchMaker::Outing CSampleCatchMaker::MakeOuting() {
    Outing outing;
    outing.firstDay = DrawDay();
    // A long week-end now and then, kept within its month so that the calendar shows it.
    if (m_random.Chance(0.08)) {
        outing.days = m_random.Between(2, 3);
        while (outing.days > 1 &&
               (outing.firstDay.addDays(outing.days - 1).month() != outing.firstDay.month() ||
                outing.firstDay.addDays(outing.days - 1) > m_lastDay))
            --outing.days;
    }
    const int startHour = m_random.Weighted({2, 8, 9, 6, 3, 2, 2, 1, 2, 3, 4, 5, 4, 3, 2, 1});
    outing.startMinute = (5 + startHour) * 60 + m_random.Between(0, 3) * 15;
    const int length = m_random.Between(2, 8) * 60 + m_random.Between(0, 3) * 15;
    outing.endMinute = std::min(outing.startMinute + length, 23 * 60 + 45);
    if (outing.days > 1) outing.endMinute = m_random.Between(10, 18) * 60;

    outing.placeIndex = m_random.Weighted(m_placeWeights);
    const PlaceTrait& place = SamplePlaces().at(static_cast<size_t>(outing.placeIndex));
    outing.water = static_cast<int>(place.water);
    outing.hasGps = m_random.Chance(0.6);
    outing.written = m_random.Chance(0.55);
    outing.tideOffset = (outing.placeIndex * 97) % kTideCycleMinutes;

    outing.techniqueId =
        m_random.Chance(0.95)
            ? PickByWater(m_ids.techniques, WatersOf(SampleTechniques()), outing.water)
            : -1;
    outing.rigId =
        m_random.Chance(0.85) ? PickByWater(m_ids.rigs, WatersOf(SampleRigs()), outing.water) : -1;
    outing.groundbaitId =
        m_random.Chance(0.4)
            ? PickByWater(m_ids.groundbaits, WatersOf(SampleGroundbaits()), outing.water)
            : -1;

    const int month = outing.firstDay.month();
    const bool winter = month == 12 || month <= 2;
    const bool summer = month >= 6 && month <= 8;
    // ENSOLEILLE .. NEIGE: snow only in winter, storms mostly in summer.
    std::vector<int> weather = {
        8, 8, 6, 5, 3, 4, 3, summer ? 3 : 1, winter ? 4 : 1, winter ? 2 : 0};
    if (m_random.Chance(0.92))
        outing.weatherId = m_ids.weathers.at(static_cast<size_t>(m_random.Weighted(weather)));
    if (m_random.Chance(0.9))
        outing.windId = m_ids.winds.at(static_cast<size_t>(m_random.Weighted({3, 8, 6, 3, 2, 1})));
    if (m_random.Chance(0.8))
        outing.windDirectionId =
            m_ids.windDirections.at(static_cast<size_t>(m_random.Between(0, 7)));
    if (m_random.Chance(0.7))
        outing.waterColourId =
            m_ids.waterColours.at(static_cast<size_t>(m_random.Weighted({6, 6, 4, 3, 2, 1})));
    if (m_random.Chance(0.95))
        outing.moonId = m_ids.moons.at(static_cast<size_t>(MoonPhaseIndex(outing.firstDay)));
    return outing;
}

void CSampleCatchMaker::AddCatches(const Outing& outing, int count,
                                   std::vector<SampleCatch>& catches) {
    const PlaceTrait& place = SamplePlaces().at(static_cast<size_t>(outing.placeIndex));
    const bool sea = place.water == Water::Sea;
    const double latitude = place.latitude + m_random.Noise(0.01);
    const double longitude = place.longitude + m_random.Noise(0.01);
    for (int i = 0; i < count; ++i) {
        SampleCatch sample;
        const int dayIndex = m_random.Between(0, outing.days - 1);
        sample.day = outing.firstDay.addDays(dayIndex);
        const int from = dayIndex == 0 ? outing.startMinute : 5 * 60;
        const int to = dayIndex == outing.days - 1 ? outing.endMinute : 23 * 60;
        sample.minuteOfDay = m_random.Between(from, std::max(from, to));
        sample.placeId = m_ids.places.at(static_cast<size_t>(outing.placeIndex));
        DrawFish(outing, sample);
        sample.baits = DrawBaits(outing);
        sample.groundbaitId = outing.groundbaitId;
        sample.rigId = outing.rigId;
        sample.techniqueId = outing.techniqueId;
        sample.weatherId = outing.weatherId;
        sample.windId = outing.windId;
        sample.windDirectionId = outing.windDirectionId;
        sample.waterColourId = outing.waterColourId;
        sample.moonId = outing.moonId;
        const int month = sample.day.month() - 1;
        const double afternoon = std::sin((sample.minuteOfDay / 60.0 - 9.0) / 24.0 * 2.0 * kPi);
        sample.airTemperature =
            static_cast<int>(std::lround(kAirMean[month] + 4.0 * afternoon + m_random.Noise(4.0)));
        const int waterMean = sea ? kSeaWaterMean[month] : kFreshWaterMean[month];
        sample.waterTemperature =
            std::max(1, static_cast<int>(std::lround(waterMean + m_random.Noise(2.0))));
        if (sea) DrawTide(outing, sample);
        if (outing.hasGps)
            sample.gps =
                GpsText(latitude + m_random.Noise(0.0005), longitude + m_random.Noise(0.0005));
        if (m_random.Chance(0.35)) {
            const auto& comments = SampleCatchComments();
            sample.comment = QString::fromUtf8(
                comments.at(static_cast<size_t>(m_random.Between(0, int(comments.size()) - 1))));
        }
        catches.push_back(std::move(sample));
    }
}

void CSampleCatchMaker::DrawFish(const Outing& outing, SampleCatch& sample) {
    const auto& species = SampleSpecies();
    std::vector<int> weights;
    for (const SpeciesTrait& trait : species)
        weights.push_back(Suits(trait.water, outing.water) ? trait.frequency : 0);
    const int kinds = m_random.Chance(0.8) ? 1 : (m_random.Chance(0.75) ? 2 : 3);
    std::vector<int> chosen;
    while (static_cast<int>(chosen.size()) < kinds) {
        const int index = m_random.Weighted(weights);
        weights[static_cast<size_t>(index)] = 0;  // each species once per catch
        chosen.push_back(index);
        if (std::all_of(weights.begin(), weights.end(), [](int w) { return w == 0; })) break;
    }
    sample.number = 0;
    sample.weight = 0.0;
    sample.size = 0;
    for (const int index : chosen) {
        const SpeciesTrait& trait = species.at(static_cast<size_t>(index));
        sample.fish.push_back(m_ids.species.at(static_cast<size_t>(index)));
        // Fishing "au coup" brings several fish of a kind; carnivores come one at a time.
        int count = 1;
        if (trait.maxNumber > 1 && m_random.Chance(0.5))
            count = 1 + static_cast<int>(std::pow(m_random.Unit(), 2.0) * trait.maxNumber);
        for (int fish = 0; fish < count; ++fish) {
            const double size =
                trait.minSize + (trait.maxSize - trait.minSize) * std::pow(m_random.Unit(), 1.8);
            const double weight =
                trait.weightK * std::pow(size / 100.0, 3.0) * m_random.Between(0.85, 1.15);
            sample.weight += weight;
            sample.size = std::max(sample.size, static_cast<int>(size));
        }
        sample.number += count;
    }
    // Weighed to the nearest 5 g; now and then nothing was weighed or measured.
    sample.weight = std::round(sample.weight * 200.0) / 200.0;
    if (m_random.Chance(0.04)) sample.weight = 0.0;
    if (m_random.Chance(0.03)) sample.size = 0;
}

std::vector<int> CSampleCatchMaker::DrawBaits(const Outing& outing) {
    const int count = m_random.Chance(0.1) ? 0 : (m_random.Chance(0.83) ? 1 : 2);
    std::vector<int> baits;
    const std::vector<int> waters = WatersOf(SampleBaits());
    for (int attempt = 0; static_cast<int>(baits.size()) < count && attempt < 10; ++attempt) {
        const int id = PickByWater(m_ids.baits, waters, outing.water);
        if (std::find(baits.begin(), baits.end(), id) == baits.end()) baits.push_back(id);
    }
    return baits;
}

void CSampleCatchMaker::DrawTide(const Outing& outing, SampleCatch& sample) {
    // The tide follows the clock from the place's high tide; spring tides at new and full moon.
    const qint64 minutes = QDate(2000, 1, 1).daysTo(sample.day) * 1440 + sample.minuteOfDay;
    const int sinceHigh = static_cast<int>((minutes + outing.tideOffset) % kTideCycleMinutes);
    const int hour = std::min(11, sinceHigh * 12 / kTideCycleMinutes);
    // MAREE HAUTE, +1 .. +5, then MAREE BASSE, +1 .. +5.
    if (m_random.Chance(0.9)) sample.tideId = m_ids.tides.at(static_cast<size_t>(hour));
    const double age =
        std::fmod(static_cast<double>(QDate(2000, 1, 6).daysTo(sample.day)) + 1000 * kLunarMonth,
                  kLunarMonth);
    const double coefficient =
        70.0 + 35.0 * std::cos(age / kLunarMonth * 4.0 * kPi) + m_random.Noise(8.0);
    sample.tideCoefficient = std::clamp(static_cast<int>(std::lround(coefficient)), 20, 120);
}

SampleSession CSampleCatchMaker::SessionOf(const Outing& outing) const {
    SampleSession session;
    session.startDay = DayKey(outing.firstDay);
    session.endDay = DayKey(outing.firstDay.addDays(outing.days - 1));
    session.startTime = (outing.startMinute / 60) * 100 + outing.startMinute % 60;
    session.endTime = (outing.endMinute / 60) * 100 + outing.endMinute % 60;
    session.placeId = m_ids.places.at(static_cast<size_t>(outing.placeIndex));
    const auto& comments = SampleSessionComments();
    // The comment is chosen from the day, so that it needs no draw of its own.
    if (outing.firstDay.day() % 3 != 0)
        session.comment = QString::fromUtf8(
            comments.at(static_cast<size_t>(outing.firstDay.dayOfYear()) % comments.size()));
    return session;
}
