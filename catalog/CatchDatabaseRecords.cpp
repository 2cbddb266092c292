// "Vos records": the species found in the catches and the records text of one species.
#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/DateStamp.h"
#include "catalog/DisplayPanels.h"
#include "catalog/LabelCache.h"
#include "catalog/ListTarget.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"

namespace {

const QString kSeveralFishName = QStringLiteral("POISSONS DIVERS");
const QString kLineEnd = QStringLiteral("\r\n\r\n");

// Aggregates of one species over PRISES; they always give one row, and an average over no
// catch is NULL, which reads as 0. Each query names one measure only, so that an index on
// (ID_POISSON, measure) answers it without reading the catches themselves.
QString ReadAggregate(const CDbConnection& db, int speciesId, const char* aggregate) {
    CDbRecordset totals(db);
    totals.SetSql(
        QString::asprintf("SELECT %s FROM PRISES WHERE ID_POISSON=%d", aggregate, speciesId));
    if (totals.Open() && totals.Fetch()) {
        return totals.GetText(1);
    }
    return {};
}

struct CountAndWeight {
    int count = 0;
    double averageWeight = 0.0;
};

CountAndWeight ReadCountAndWeight(const CDbConnection& db, int speciesId) {
    CDbRecordset totals(db);
    totals.SetSql(QString::asprintf(
        "SELECT COUNT(*), AVG(POIDS_POISSON) FROM PRISES WHERE ID_POISSON=%d", speciesId));
    CountAndWeight result;
    if (totals.Open() && totals.Fetch()) {
        result.count = totals.GetInt(1);
        result.averageWeight = totals.GetDouble(2);
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
    // MAX ignores NULL and gives NULL when every value is NULL, which then matches no row.
    // With an index on (ID_POISSON, column) both the maximum and the first catch holding it
    // are single seeks, however many catches share the value.
    record.SetSql(QString::asprintf(
        "SELECT DATE_PRISE, ID_LIEU, %s, NOMBRE FROM PRISES WHERE ID_POISSON=%d AND %s = "
        "(SELECT MAX(%s) FROM PRISES WHERE ID_POISSON=%d) ORDER BY ID LIMIT 1",
        column, speciesId, column, column, speciesId));
    RecordCatch result;
    if (record.Open() && record.Fetch()) {
        result.found = true;
        result.moment.Parse(record.GetText(1), DateTimeLayout::Stored);
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
    return QStringLiteral(" le ") + record.moment.FormatDateTime(DateTimeLayout::Spoken) +
           QStringLiteral(" - ") + labels.Label(record.placeId, Table::Places) + kLineEnd;
}

QString SingleSpeciesRecords(const CDbConnection& db, int speciesId, CLabelCache& labels) {
    const CountAndWeight totals = ReadCountAndWeight(db, speciesId);
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
    // Integer reading of the average: 43.33 shows as 43.
    const int averageSize = ReadDecimalInt(ReadAggregate(db, speciesId, "AVG(TAILLE_POISSON)"));
    text += QStringLiteral("LA TAILLE MOYENNE DES PRISES : ") + Integer(averageSize) +
            QStringLiteral(" cm") + kLineEnd;
    return text;
}

// Catches of several fish: no count and no sizes, but the number of fish.
QString SeveralFishRecords(const CDbConnection& db, CLabelCache& labels) {
    QString text;
    const RecordCatch heaviest = ReadRecordCatch(db, SEVERAL_IDS, "POIDS_POISSON");
    if (heaviest.found) {
        text += QStringLiteral("LA PLUS GROSSE PRISE : ") +
                Kilograms(ReadDecimalDouble(heaviest.value)) + QStringLiteral(" Kgs (") +
                Integer(heaviest.number) + QStringLiteral(" poissons) pêchée") +
                WhenAndWhere(heaviest, labels);
    }
    const double averageWeight =
        ReadDecimalDouble(ReadAggregate(db, SEVERAL_IDS, "AVG(POIDS_POISSON)"));
    text += QStringLiteral("LE POIDS MOYEN DES PRISES : ") + Kilograms(averageWeight) +
            QStringLiteral(" Kgs") + kLineEnd;
    const RecordCatch largest = ReadRecordCatch(db, SEVERAL_IDS, "NOMBRE");
    if (largest.found) {
        text += QStringLiteral("LE PLUS GRAND NOMBRE : ") + Integer(ReadDecimalInt(largest.value)) +
                QStringLiteral(" poissons pêchés") + WhenAndWhere(largest, labels);
    }
    const int averageNumber = ReadDecimalInt(ReadAggregate(db, SEVERAL_IDS, "AVG(NOMBRE)"));
    text += QStringLiteral("LE NOMBRE MOYEN DE POISSONS DANS UNE PRISE : ") +
            Integer(averageNumber) + QStringLiteral(" poissons") + kLineEnd;
    return text;
}

}  // namespace

bool CCatchDatabase::FillSpeciesList(IListTarget& list) {
    list.Clear();
    const bool done = RunOrShowError(false, [&] {
        CLabelCache labels(*this);
        CDbRecordset species(*this);
        species.SetSql(QStringLiteral("SELECT DISTINCT p.ID_POISSON FROM PRISES p"));
        species.Open();
        while (species.Fetch()) {
            const int id = species.GetInt(1);
            list.Append(id == SEVERAL_IDS ? kSeveralFishName : labels.Label(id, Table::Fish), id);
        }
        return true;
    });
    if (!done) return false;
    if (list.Count() > 0) {
        list.SelectRow(0);
    }
    return true;
}

bool CCatchDatabase::ShowRecords(IStatisticsPanel& panel, int speciesId) {
    QString text;
    // Half a records text would mislead: on an error the panel keeps what it showed.
    const bool done = RunOrShowError(false, [&] {
        CLabelCache labels(*this);
        text = speciesId == SEVERAL_IDS ? SeveralFishRecords(*this, labels)
                                        : SingleSpeciesRecords(*this, speciesId, labels);
        return true;
    });
    if (!done) return false;
    if (!text.isEmpty()) {
        panel.SetRecordsText(text);
    }
    return true;
}
