#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "tools/samplelog/SampleRandom.h"

// The identifiers the catalogues got in the log, each list parallel to its sample list (see
// SampleCatalogs.h); wind directions and tides in the order the schema stores them.
struct SampleCatalogIds {
    std::vector<int> species;
    std::vector<int> places;
    std::vector<int> baits;
    std::vector<int> groundbaits;
    std::vector<int> rigs;
    std::vector<int> techniques;
    std::vector<int> weathers;
    std::vector<int> winds;
    std::vector<int> moons;
    std::vector<int> waterColours;
    std::vector<int> windDirections;
    std::vector<int> tides;
};

// One PRISES row with its fish and baits, as the catch dialog would have stored it.
struct SampleCatch {
    QDate day;
    int minuteOfDay = 0;
    int placeId = -1;
    std::vector<int> fish;   // one to three species
    std::vector<int> baits;  // none to two
    double weight = 0.0;     // kilograms, all fish together
    int size = 0;            // centimetres, the longest fish
    int number = 1;
    int groundbaitId = -1;
    int rigId = -1;
    int techniqueId = -1;
    int weatherId = -1;
    int windId = -1;
    int windDirectionId = -1;
    int waterColourId = -1;
    int moonId = -1;
    int tideId = -1;
    int tideCoefficient = 0;
    int airTemperature = 0;
    int waterTemperature = 0;
    QString comment;
    QString gps;
};

// One CALENDRIER row.
struct SampleSession {
    int startDay = 0;  // yyyymmdd
    int endDay = 0;
    int startTime = 0;  // hhmm
    int endTime = 0;
    int placeId = -1;
    QString comment;
};

// Makes outings to the water between two days: each outing has a place, weather and tackle,
// gives one or more catches, and is written down as a session about every other time. The
// catches come out sorted by moment, as an angler keeping a log enters them.
class CSampleCatchMaker {
public:
    CSampleCatchMaker(const SampleCatalogIds& ids, CSampleRandom& random, QDate firstDay,
                      QDate lastDay);

    void Make(int catchCount, std::vector<SampleCatch>& catches,
              std::vector<SampleSession>& sessions);

private:
    struct Outing;

    Outing MakeOuting();
    QDate DrawDay();
    void AddCatches(const Outing& outing, int count, std::vector<SampleCatch>& catches);
    void DrawFish(const Outing& outing, SampleCatch& sample);
    std::vector<int> DrawBaits(const Outing& outing);
    void DrawTide(const Outing& outing, SampleCatch& sample);
    SampleSession SessionOf(const Outing& outing) const;
    int PickByWater(const std::vector<int>& ids, const std::vector<int>& waters, int water);

    const SampleCatalogIds& m_ids;
    CSampleRandom& m_random;
    QDate m_firstDay;
    QDate m_lastDay;
    std::vector<int> m_placeWeights;
};

// The phase of the moon on that day, 0 (new moon) to 7 (waning crescent).
int MoonPhaseIndex(const QDate& day);
