// The numbers of every chart on a hand-built log whose answers are counted by hand.
#include <QStringList>
#include <memory>
#include <vector>

#include "catalog/CatalogKind.h"
#include "catalog/ChartHistogram.h"
#include "catalog/ChartQueries.h"
#include "catalog/ChartTable.h"
#include "db/SQLException.h"
#include "store/SqlDialect.h"
#include "tests/support/TestCatchLog.h"

namespace {

// One catch as the entry dialog would store it, with its fish and bait link rows.
struct Catch {
    const char* moment;
    int place;
    std::vector<int> fish;
    const char* weight;
    int size, number, moon, tide, coefficient, air, water;
    std::vector<int> baits;
};

class ChartsTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        pike = AddCatalogRow("POISSONS", "BROCHET");
        perch = AddCatalogRow("POISSONS", "PERCHE");
        lake = AddCatalogRow("LIEUX", "LAC BLEU");
        river = AddCatalogRow("LIEUX", "RIVIERE");
        newMoon = AddCatalogRow("LUNES", "NOUVELLE LUNE");
        fullMoon = AddCatalogRow("LUNES", "PLEINE LUNE");
        worm = AddCatalogRow("ESCHES", "VER");
        spoon = AddCatalogRow("ESCHES", "CUILLER");
        tide = ScalarInt("SELECT MIN(ID) FROM MAREES");
        tideName = Scalar("SELECT LIBELLE FROM MAREES WHERE ID = " + QString::number(tide));
        const std::vector<Catch> catches = {
            {"2024-01-15 06:30:00", lake, {pike}, "2.0", 60, 1, newMoon, tide, 45, 5, 4, {spoon}},
            {"2024-01-20 07:10:00", lake, {pike}, "1.2", 40, 1, fullMoon, -1, 0, 0, 7, {worm}},
            {"2024-03-02 18:45:00",
             river,
             {pike, perch},
             "3.0",
             0,
             4,
             -1,
             tide,
             95,
             -3,
             0,
             {worm, spoon}},
            {"2024-03-30 18:05:00", river, {perch}, "0.3", 22, 3, fullMoon, -1, 0, 12, 11, {}},
            {"2023-12-31 23:59:00", lake, {pike}, "0.8", 35, 1, newMoon, -1, 0, 13, 10, {worm}},
        };
        for (const Catch& c : catches) Store(c);
    }

    void Store(const Catch& c) {
        auto single = [](const std::vector<int>& ids) {
            return ids.empty() ? -1 : ids.size() == 1 ? ids.front() : SEVERAL_IDS;
        };
        // The fixture stores moment, place and species; the measures and conditions follow.
        const int id = AddCatch(c.moment, c.place, single(c.fish));
        Exec(QStringLiteral("UPDATE PRISES SET POIDS_POISSON = %1, TAILLE_POISSON = %2, NOMBRE = "
                            "%3, TEMPERATURE = %4, TEMPERATURE_EAU = %5, ID_LUNE = %6, ID_MAREE = "
                            "%7, COEFF_MAREE = %8, ID_ESCHE = %9 WHERE ID = %10")
                 .arg(c.weight)
                 .arg(c.size)
                 .arg(c.number)
                 .arg(c.air)
                 .arg(c.water)
                 .arg(c.moon)
                 .arg(c.tide)
                 .arg(c.coefficient)
                 .arg(single(c.baits))
                 .arg(id));
        ASSERT_TRUE(Db().WriteCatchLinks(id, Table::Fish, c.fish));
        ASSERT_TRUE(Db().WriteCatchLinks(id, Table::Baits, c.baits));
    }

    ChartData Chart(ChartKind kind, const ChartFilter& filter = {}) {
        try {
            return QueryChart(Db(), kind, filter, DatePartSqlFor(Db().Engine()));
        } catch (CSQLException* raw) {
            const std::unique_ptr<CSQLException> e(raw);
            ADD_FAILURE() << e->message.toStdString();
            return {};
        }
    }

    // "label catches/fish" for each row.
    QStringList Rows(ChartKind kind, const ChartFilter& filter = {}) {
        QStringList rows;
        for (const ChartRow& row : Chart(kind, filter).rows)
            rows << QStringLiteral("%1 %2/%3").arg(row.label).arg(row.catches).arg(row.fish);
        return rows;
    }

    int pike = 0, perch = 0, lake = 0, river = 0, newMoon = 0, fullMoon = 0, worm = 0, spoon = 0;
    int tide = 0;
    QString tideName;
};

struct Case {
    const char* what;
    ChartKind kind;
    int species;  // 0 none, 1 pike, 2 perch
    int place;    // 0 none, 1 lake, 2 river
    const char* from;
    const char* to;
    QStringList rows;
};

TEST_F(ChartsTest, EachChartCountsItsCatchesOncePerSpeciesWithTheirFish) {
    const QString moon = QStringLiteral("Non renseigné");
    const std::vector<Case> cases = {
        {"months, with the empty one between",
         ChartKind::CatchesPerMonth,
         0,
         0,
         "",
         "",
         {"déc. 2023 1/1", "janv. 2024 2/2", "févr. 2024 0/0", "mars 2024 3/11"}},
        {"seasons",
         ChartKind::Seasons,
         0,
         0,
         "",
         "",
         {"janvier 2/2", "février 0/0", "mars 3/11", "avril 0/0", "mai 0/0", "juin 0/0",
          "juillet 0/0", "août 0/0", "septembre 0/0", "octobre 0/0", "novembre 0/0",
          "décembre 1/1"}},
        {"perch, also inside the mixed catch",
         ChartKind::CatchesPerMonth,
         2,
         0,
         "",
         "",
         {"mars 2024 2/7"}},
        {"a period holds its first and last days whole",
         ChartKind::CatchesPerMonth,
         0,
         0,
         "2023-12-31",
         "2024-01-15",
         {"déc. 2023 1/1", "janv. 2024 1/1"}},
        {"pike over a period, in the hours that have catches",
         ChartKind::Hour,
         1,
         0,
         "2024-01-01",
         "2024-03-31",
         {"6 h 1/1", "7 h 1/1", "18 h 1/4"}},
        {"moon, with the catch without one",
         ChartKind::Moon,
         0,
         0,
         "",
         "",
         {"NOUVELLE LUNE 2/2", "PLEINE LUNE 2/4", moon + " 2/8"}},
        {"moon at the river", ChartKind::Moon, 0, 2, "", "", {"PLEINE LUNE 1/3", moon + " 2/8"}},
        {"tide, with the catches without one",
         ChartKind::Tide,
         0,
         0,
         "",
         "",
         {tideName + " 3/9", moon + " 3/5"}},
        {"tide coefficient in tens",
         ChartKind::TideCoefficient,
         0,
         0,
         "",
         "",
         {"40 à 49 1/1", "50 à 59 0/0", "60 à 69 0/0", "70 à 79 0/0", "80 à 89 0/0", "90 à 99 2/8",
          moon + " 3/5"}},
        {"air in bands of 2 °C, below zero too",
         ChartKind::AirTemperature,
         0,
         0,
         "",
         "",
         {"-4 à -3 °C 2/8", "-2 à -1 °C 0/0", "0 à 1 °C 0/0", "2 à 3 °C 0/0", "4 à 5 °C 1/1",
          "6 à 7 °C 0/0", "8 à 9 °C 0/0", "10 à 11 °C 0/0", "12 à 13 °C 2/4", moon + " 1/1"}},
        {"baits of a bait set count each",
         ChartKind::Bait,
         0,
         0,
         "",
         "",
         {"VER 4/10", "CUILLER 3/9", moon + " 1/3"}},
        {"baits of the perch",
         ChartKind::Bait,
         2,
         0,
         "",
         "",
         {"CUILLER 1/4", "VER 1/4", moon + " 1/3"}},
        {"places ranked", ChartKind::Places, 0, 0, "", "", {"LAC BLEU 3/3", "RIVIERE 3/11"}},
        {"pike weights, its mixed catch left out",
         ChartKind::Weight,
         1,
         0,
         "",
         "",
         {"0,8 à 1 kg 1/1", "1 à 1,2 kg 0/0", "1,2 à 1,4 kg 1/1", "1,4 à 1,6 kg 0/0",
          "1,6 à 1,8 kg 0/0", "1,8 à 2 kg 0/0", "2 à 2,2 kg 1/1"}},
        {"pike sizes",
         ChartKind::Size,
         1,
         0,
         "",
         "",
         {"35 à 39 cm 1/1", "40 à 44 cm 1/1", "45 à 49 cm 0/0", "50 à 54 cm 0/0", "55 à 59 cm 0/0",
          "60 à 64 cm 1/1"}},
        {"a weight chart needs a species", ChartKind::Weight, 0, 0, "", "", {}},
    };
    for (const Case& c : cases) {
        ChartFilter filter;
        filter.species = c.species == 1 ? pike : c.species == 2 ? perch : -1;
        filter.place = c.place == 1 ? lake : c.place == 2 ? river : -1;
        filter.from = QDate::fromString(QLatin1String(c.from), Qt::ISODate);
        filter.to = QDate::fromString(QLatin1String(c.to), Qt::ISODate);
        QStringList rows = Rows(c.kind, filter);
        // Every hour has its row: the table compares those with catches.
        if (c.kind == ChartKind::Hour) {
            EXPECT_EQ(24, rows.size());
            rows.removeIf([](const QString& row) { return row.endsWith(" 0/0"); });
        }
        EXPECT_EQ(c.rows, rows) << c.what;
    }
}

TEST_F(ChartsTest, HistogramMarksTheRecordBandAndSaysTheRecords) {
    ChartFilter filter;
    filter.species = pike;
    const ChartData weights = Chart(ChartKind::Weight, filter);
    EXPECT_EQ(6, weights.markedRow);
    EXPECT_FALSE(weights.showsFish);
    EXPECT_EQ(QStringLiteral("Record : 2,000 kg · moyenne : 1,333 kg sur 3 prises pesées"),
              weights.note);
    EXPECT_EQ(QStringLiteral("Record : 60 cm · moyenne : 45 cm sur 3 prises mesurées"),
              Chart(ChartKind::Size, filter).note);
    EXPECT_FALSE(Chart(ChartKind::Weight).note.isEmpty());
}

TEST(ChartBands, WidthIsTheNarrowestUsualOneThatFits) {
    struct Width {
        int first, last;
        bool grams;
        int expected;
    };
    for (const Width& w : std::vector<Width>{{800, 2000, true, 200},
                                             {35, 60, false, 5},
                                             {10, 10, true, 10},
                                             {1, 12, false, 1},
                                             {1, 13, false, 2},
                                             {0, 900000, true, 100000},
                                             {0, 5000000, true, 1000000}}) {
        const int width = HistogramBandWidth(w.first, w.last, w.grams);
        EXPECT_EQ(w.expected, width) << w.first << ".." << w.last;
        EXPECT_LE(w.last / width - w.first / width + 1, 12);
    }
}

TEST_F(ChartsTest, TableTextHasTitlesThenOneTabSeparatedLinePerRow) {
    AddCatalogRow("LUNES", "LUNE\tAVEC TABULATION");
    Exec("UPDATE PRISES SET ID_LUNE = (SELECT MAX(ID) FROM LUNES) WHERE ID_LUNE = -1");
    ChartData moons = Chart(ChartKind::Moon);
    EXPECT_EQ(QStringLiteral("Lune\tPrises\tPoissons\nNOUVELLE LUNE\t2\t2\nPLEINE LUNE\t2\t4\n"
                             "LUNE AVEC TABULATION\t2\t8\n"),
              ChartTableText(moons));
    ChartFilter filter;
    filter.species = perch;
    EXPECT_EQ(QStringLiteral("Taille\tPrises\n22 cm\t1\n"),
              ChartTableText(Chart(ChartKind::Size, filter)));
}

}  // namespace
