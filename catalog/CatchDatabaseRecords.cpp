// "Vos records": the species found in the catches and the records text of one species.
#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/DateStamp.h"
#include "catalog/DisplayPanels.h"
#include "catalog/LabelCache.h"
#include "catalog/ListTarget.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"

namespace {

const QString kSeveralFishName = QStringLiteral("POISSONS DIVERS");
const QString kLineEnd = QStringLiteral("\r\n\r\n");

// Totals of one species, read in a single pass over PRISES. Aggregates always give one row;
// an average over no catch is NULL and reads as 0.
struct SpeciesTotals {
    int count = 0;
    double averageWeight = 0.0;
    int averageSize = 0;  // integer reading: 43.33 shows as 43
    int averageNumber = 0;
};

SpeciesTotals ReadTotals(const CDbConnection& db, int speciesId) {
    CDbRecordset totals(db);
    totals.SetSql(QString::asprintf(
        "SELECT COUNT(*), AVG(POIDS_POISSON), AVG(TAILLE_POISSON), AVG(NOMBRE) FROM PRISES "
        "WHERE ID_POISSON=%d",
        speciesId));
    SpeciesTotals result;
    if (totals.Open() && totals.Fetch()) {
        result.count = totals.GetInt(1);
        result.averageWeight = totals.GetDouble(2);
        result.averageSize = totals.GetInt(3);
        result.averageNumber = totals.GetInt(4);
    }
    return result;
}

// The catch of the species with the largest value in one column. Catches whose value is
// NULL are not candidates, so a species whose weights are all NULL has no heaviest catch;
// among equal values the catch stored first is described. Only the species' own catches
// compete, however many other species share that value.
struct RecordCatch {
    bool found = false;
    QString value;  // the column's text: read as a decimal or an integer by the line
    CDateStamp moment;
    int placeId = -1;
    int number = 0;
};

RecordCatch ReadRecordCatch(const CDbConnection& db, int speciesId, const char* column) {
    CDbRecordset record(db);
    record.SetSql(QString::asprintf(
        "SELECT DATE_PRISE, ID_LIEU, %s, NOMBRE FROM PRISES WHERE ID_POISSON=%d AND %s IS NOT "
        "NULL ORDER BY %s DESC, ID LIMIT 1",
        column, speciesId, column, column));
    RecordCatch result;
    if (record.Open() && record.Fetch()) {
        result.found = true;
        result.moment.Parse(record.GetText(1), 0);
        result.placeId = record.GetInt(2);
        result.value = record.GetText(3);
        result.number = record.GetInt(4);
    }
    return result;
}

QString Kilograms(double value) { return QString::asprintf("%.3f", value); }

QString Integer(int value) { return QString::number(value); }

// " pêchée le 12/05/2007 à 14:30:00 - LAC BLEU" and the end of the line.
QString WhenAndWhere(const RecordCatch& record, CLabelCache& labels) {
    return QStringLiteral(" le ") + record.moment.FormatDateTime(2) + QStringLiteral(" - ") +
           labels.Label(record.placeId, CatalogKind::Places) + kLineEnd;
}

QString SingleSpeciesRecords(const CDbConnection& db, int speciesId, CLabelCache& labels) {
    const SpeciesTotals totals = ReadTotals(db, speciesId);
    QString text = QStringLiteral("LE NOMBRE DE PRISES : ") + Integer(totals.count) + kLineEnd;

    const RecordCatch heaviest = ReadRecordCatch(db, speciesId, "POIDS_POISSON");
    if (heaviest.found) {
        text += QStringLiteral("LA PLUS GROSSE PRISE : ") +
                Kilograms(ReadDecimalDouble(heaviest.value)) + QStringLiteral(" Kgs pêchée") +
                WhenAndWhere(heaviest, labels);
    }
    const RecordCatch longest = ReadRecordCatch(db, speciesId, "TAILLE_POISSON");
    if (longest.found) {
        text += QStringLiteral("LA PLUS GRANDE PRISE : ") + Integer(ReadDecimalInt(longest.value)) +
                QStringLiteral(" cm pêchée") + WhenAndWhere(longest, labels);
    }
    text += QStringLiteral("LE POIDS MOYEN DES PRISES : ") + Kilograms(totals.averageWeight) +
            QStringLiteral(" Kgs") + kLineEnd;
    text += QStringLiteral("LA TAILLE MOYENNE DES PRISES : ") + Integer(totals.averageSize) +
            QStringLiteral(" cm") + kLineEnd;
    return text;
}

// Catches of several fish: no count and no sizes, but the number of fish.
QString SeveralFishRecords(const CDbConnection& db, CLabelCache& labels) {
    const SpeciesTotals totals = ReadTotals(db, SEVERAL_IDS);
    QString text;
    const RecordCatch heaviest = ReadRecordCatch(db, SEVERAL_IDS, "POIDS_POISSON");
    if (heaviest.found) {
        text += QStringLiteral("LA PLUS GROSSE PRISE : ") +
                Kilograms(ReadDecimalDouble(heaviest.value)) + QStringLiteral(" Kgs (") +
                Integer(heaviest.number) + QStringLiteral(" poissons) pêchée") +
                WhenAndWhere(heaviest, labels);
    }
    text += QStringLiteral("LE POIDS MOYEN DES PRISES : ") + Kilograms(totals.averageWeight) +
            QStringLiteral(" Kgs") + kLineEnd;
    const RecordCatch largest = ReadRecordCatch(db, SEVERAL_IDS, "NOMBRE");
    if (largest.found) {
        text += QStringLiteral("LE PLUS GRAND NOMBRE : ") + Integer(ReadDecimalInt(largest.value)) +
                QStringLiteral(" poissons pêchés") + WhenAndWhere(largest, labels);
    }
    text += QStringLiteral("LE NOMBRE MOYEN DE POISSONS DANS UNE PRISE : ") +
            Integer(totals.averageNumber) + QStringLiteral(" poissons") + kLineEnd;
    return text;
}

}  // namespace

bool CCatchDatabase::FillSpeciesList(IListTarget& list) {
    list.Clear();
    try {
        CLabelCache labels(*this);
        CDbRecordset species(*this);
        species.SetSql(QStringLiteral("SELECT DISTINCT p.ID_POISSON FROM PRISES p"));
        species.Open();
        while (species.Fetch()) {
            const int id = species.GetInt(1);
            list.Append(id == SEVERAL_IDS ? kSeveralFishName : labels.Label(id, CatalogKind::Fish),
                        id);
        }
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return false;
    }
    if (list.Count() > 0) {
        list.SelectRow(0);
    }
    return true;
}

bool CCatchDatabase::ShowRecords(IStatisticsPanel& panel, int speciesId) {
    QString text;
    try {
        CLabelCache labels(*this);
        text = speciesId == SEVERAL_IDS ? SeveralFishRecords(*this, labels)
                                        : SingleSpeciesRecords(*this, speciesId, labels);
    } catch (CSQLException* e) {
        // Half a records text would mislead: the panel keeps what it showed.
        ShowDatabaseError(e);
        return false;
    }
    if (!text.isEmpty()) {
        panel.SetRecordsText(text);
    }
    return true;
}
