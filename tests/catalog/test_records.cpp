// The species list and the records text of "Vos records", on a real catch log.
#include <ostream>

#include <QString>
#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/DisplayPanels.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

// Readable failure output for texts and lists of texts.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class StatisticsPanel : public IStatisticsPanel {
public:
    void ShowPanel() override {}
    void SetRecordsText(const QString& value) override {
        text = value;
        ++updates;
    }
    QString text;
    int updates = 0;
};

const QString kEnd = QStringLiteral("\r\n\r\n");
const QString kTenBlanks = QStringLiteral("          ");

class RecordsTest : public TestCatchLog {
protected:
    int AddRow(const QString& table, const QString& name) {
        Exec(QStringLiteral("INSERT INTO %1 (LIBELLE) VALUES ('%2')").arg(table, name));
        return Scalar(QStringLiteral("SELECT MAX(ID) FROM ") + table).toInt();
    }
    // moment "yyyy-mm-dd hh:mm:00" as stored; weight, size and number as SQL literals.
    int AddCatch(const QString& moment, int placeId, int fishId, const QString& weight,
                 const QString& size, const QString& number = QStringLiteral("1")) {
        Exec(QStringLiteral("INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, "
                            "POIDS_POISSON, TAILLE_POISSON, NOMBRE, ID_ESCHE) VALUES "
                            "('%1', %2, %3, %4, %5, %6, -1)")
                 .arg(moment, QString::number(placeId), QString::number(fishId), weight, size,
                      number));
        return Scalar(QStringLiteral("SELECT MAX(ID) FROM PRISES")).toInt();
    }
    QString Records(int speciesId) {
        StatisticsPanel panel;
        EXPECT_TRUE(Db().ShowRecords(panel, speciesId));
        EXPECT_EQ(panel.updates, 1);
        return panel.text;
    }
};

TEST_F(RecordsTest, SpeciesTextGivesCountRecordsAndAveragesOfItsOwnCatchesOnly) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    const int perch = AddRow("POISSONS", "PERCHE DU TEST");
    const int lake = AddRow("LIEUX", "LAC BLEU");
    const int river = AddRow("LIEUX", "RIVIERE");
    // Stored first, with the same weight and size as the pike's records: never described.
    AddCatch("2006-01-01 06:00:00", river, perch, "2.0", "55");
    AddCatch("2007-05-12 14:30:00", lake, pike, "1.2", "55");
    AddCatch("2007-06-01 07:05:00", river, pike, "2.0", "40");
    AddCatch("2007-06-02 21:45:00", lake, pike, "0.8", "35");

    EXPECT_EQ(Records(pike),
              "LE NOMBRE DE PRISES : 3" + kEnd +
                  "LA PLUS GROSSE PRISE : 2.000 Kgs pêchée le 01/06/2007 à 07:05:00 - RIVIERE" +
                  kEnd + "LA PLUS GRANDE PRISE : 55 cm pêchée le 12/05/2007 à 14:30:00 - LAC BLEU" +
                  kEnd + "LE POIDS MOYEN DES PRISES : 1.333 Kgs" + kEnd +
                  "LA TAILLE MOYENNE DES PRISES : 43 cm" + kEnd);
}

TEST_F(RecordsTest, EqualRecordsDescribeTheCatchStoredFirst) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    const int lake = AddRow("LIEUX", "LAC BLEU");
    const int river = AddRow("LIEUX", "RIVIERE");
    AddCatch("2008-03-01 10:00:00", river, pike, "1.5", "50");
    AddCatch("2007-03-01 10:00:00", lake, pike, "1.5", "50");

    const QString text = Records(pike);
    EXPECT_TRUE(text.contains("1.500 Kgs pêchée le 01/03/2008 à 10:00:00 - RIVIERE"))
        << qPrintable(text);
    EXPECT_TRUE(text.contains("50 cm pêchée le 01/03/2008 à 10:00:00 - RIVIERE"))
        << qPrintable(text);
}

TEST_F(RecordsTest, NullWeightsGiveNoHeaviestLineAndNoPlaceGivesTenBlanks) {
    const int carp = AddRow("POISSONS", "CARPE DU TEST");
    AddCatch("2007-07-14 05:10:00", -1, carp, "NULL", "30");
    AddCatch("2007-07-15 05:20:00", -1, carp, "NULL", "31");

    EXPECT_EQ(Records(carp), "LE NOMBRE DE PRISES : 2" + kEnd +
                                 "LA PLUS GRANDE PRISE : 31 cm pêchée le 15/07/2007 à 05:20:00 - " +
                                 kTenBlanks + kEnd + "LE POIDS MOYEN DES PRISES : 0.000 Kgs" +
                                 kEnd + "LA TAILLE MOYENNE DES PRISES : 30 cm" + kEnd);
}

TEST_F(RecordsTest, SeveralFishTextGivesNumbersInsteadOfCountAndSizes) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    const int lake = AddRow("LIEUX", "LAC BLEU");
    // A single-fish catch with a larger weight and number must not be described.
    AddCatch("2007-01-01 08:00:00", lake, pike, "9.0", "90", "9");
    AddCatch("2007-08-10 09:15:00", lake, SEVERAL_IDS, "3.5", "20", "4");
    AddCatch("2007-08-11 18:40:00", -1, SEVERAL_IDS, "1.5", "20", "7");

    EXPECT_EQ(Records(SEVERAL_IDS),
              "LA PLUS GROSSE PRISE : 3.500 Kgs (4 poissons) pêchée le 10/08/2007 à 09:15:00 - "
              "LAC BLEU" +
                  kEnd + "LE POIDS MOYEN DES PRISES : 2.500 Kgs" + kEnd +
                  "LE PLUS GRAND NOMBRE : 7 poissons pêchés le 11/08/2007 à 18:40:00 - " +
                  kTenBlanks + kEnd + "LE NOMBRE MOYEN DE POISSONS DANS UNE PRISE : 5 poissons" +
                  kEnd);
}

TEST_F(RecordsTest, SpeciesListNamesEachSpeciesOnceAndSeveralFishAsPoissonsDivers) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    const int perch = AddRow("POISSONS", "PERCHE DU TEST");
    AddCatch("2007-01-01 08:00:00", -1, pike, "1", "1");
    AddCatch("2007-01-02 08:00:00", -1, SEVERAL_IDS, "1", "1");
    AddCatch("2007-01-03 08:00:00", -1, pike, "1", "1");
    AddCatch("2007-01-04 08:00:00", -1, perch, "1", "1");

    InMemoryList list;
    ASSERT_TRUE(Db().FillSpeciesList(list));
    QStringList entries;
    for (const auto& [text, id] : list.rows) {
        entries << QStringLiteral("%1=%2").arg(text).arg(id);
    }
    entries.sort();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("BROCHET DU TEST=%1").arg(pike),
                                    QStringLiteral("PERCHE DU TEST=%1").arg(perch),
                                    QStringLiteral("POISSONS DIVERS=%1").arg(SEVERAL_IDS)}));
    EXPECT_EQ(list.selected, 0);

    Exec("DELETE FROM PRISES");
    ASSERT_TRUE(Db().FillSpeciesList(list));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.selected, -1);
}

TEST_F(RecordsTest, DatabaseErrorIsShownOnceAndLeavesThePanelAsItWas) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    AddCatch("2007-01-01 08:00:00", -1, pike, "1", "1");
    StatisticsPanel panel;
    ASSERT_TRUE(Db().ShowRecords(panel, pike));
    const QString before = panel.text;
    Messages().Clear();

    Exec("DROP TABLE PRISES");
    EXPECT_FALSE(Db().ShowRecords(panel, pike));
    EXPECT_EQ(panel.text, before);
    EXPECT_EQ(panel.updates, 1);
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);

    InMemoryList list;
    EXPECT_FALSE(Db().FillSpeciesList(list));
    EXPECT_EQ(Messages().shown.size(), 2u);
}

}  // namespace
