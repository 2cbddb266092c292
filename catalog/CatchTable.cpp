#include "catalog/CatchTable.h"

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/CatchRow.h"
#include "catalog/CsvFormat.h"
#include "catalog/LabelCache.h"
#include "catalog/WorkProgress.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"

namespace {

// Progress is told every so many rows: often enough to move, rarely enough to cost nothing.
constexpr int kProgressEvery = 500;

// Labels of the export: "" for no entry (the list's ten blanks are for the screen).
class Names {
public:
    explicit Names(CCatchDatabase& db) : m_labels(db) {}
    QString One(int id, int kind) { return id == -1 ? QString() : m_labels.Label(id, kind); }
    QString Set(const std::vector<int>& ids, int kind) {
        QStringList names;
        for (const int id : ids)
            if (id != -1) names << m_labels.Label(id, kind);
        return JoinNames(names);
    }

private:
    CLabelCache m_labels;
};

// The fish or bait identifiers of a catch: its column, or its link rows when it has several.
std::vector<int> SetOf(const QHash<int, std::vector<int>>& several, int catchId, int value) {
    if (value != SEVERAL_IDS) return {value};
    return several.value(catchId);
}

QStringList CellsOf(const CCatchRow& row, Names& names, const QHash<int, std::vector<int>>& fish,
                    const QHash<int, std::vector<int>>& baits) {
    using namespace CatalogKind;
    return {
        row.moment.FormatDateTime(DateTimeLayout::DayFirstMinutes),
        names.One(row.placeId, Places),
        row.gps,
        names.Set(SetOf(fish, row.id, row.fishId), Fish),
        FormatCsvDecimal(row.weight, 3),
        QString::number(row.size),
        QString::number(row.number),
        names.Set(SetOf(baits, row.id, row.baitId), Baits),
        names.One(row.groundbaitId, Groundbaits),
        names.One(row.rigId, Rigs),
        names.One(row.techniqueId, Techniques),
        names.One(row.weatherId, Weather),
        names.One(row.windId, Winds),
        names.One(row.windDirectionId, WindDirections),
        names.One(row.moonId, Moons),
        QString::number(row.airTemperature),
        QString::number(row.waterTemperature),
        names.One(row.waterColourId, WaterColours),
        names.One(row.tideId, Tides),
        QString::number(row.tideCoefficient),
        row.photo,
        row.comment,
    };
}

int CountCatches(CCatchDatabase& db) {
    CDbRecordset count(db);
    count.SetSql(QStringLiteral("SELECT count(*) FROM PRISES"));
    return count.Open() && count.Fetch() ? count.GetInt(1) : 0;
}

}  // namespace

const QList<CatchColumnInfo>& CatchColumns() {
    using namespace CatalogKind;
    static const QList<CatchColumnInfo> columns = {
        {CatchColumn::Moment, "Date", -1},
        {CatchColumn::Place, "Lieu", Places},
        {CatchColumn::Gps, "GPS", -1},
        {CatchColumn::Fish, "Poissons", Fish},
        {CatchColumn::Weight, "Poids (kg)", -1},
        {CatchColumn::Size, "Taille (cm)", -1},
        {CatchColumn::Number, "Nombre", -1},
        {CatchColumn::Baits, "Esches", Baits},
        {CatchColumn::Groundbait, "Amorce", Groundbaits},
        {CatchColumn::Rig, "Montage", Rigs},
        {CatchColumn::Technique, "Technique", Techniques},
        {CatchColumn::Weather, "Temps", Weather},
        {CatchColumn::Wind, "Vent", Winds},
        {CatchColumn::WindDirection, "Direction du vent", WindDirections},
        {CatchColumn::Moon, "Lune", Moons},
        {CatchColumn::AirTemperature, "Température de l'air (°C)", -1},
        {CatchColumn::WaterTemperature, "Température de l'eau (°C)", -1},
        {CatchColumn::WaterColour, "Couleur de l'eau", WaterColours},
        {CatchColumn::Tide, "Marée", Tides},
        {CatchColumn::TideCoefficient, "Coefficient de marée", -1},
        {CatchColumn::Picture, "Photo", -1},
        {CatchColumn::Comment, "Commentaire", -1},
    };
    return columns;
}

QStringList CatchHeaders() {
    QStringList headers;
    for (const CatchColumnInfo& info : CatchColumns()) headers << QString::fromUtf8(info.header);
    return headers;
}

QString JoinNames(const QStringList& names) {
    QStringList escaped;
    for (QString name : names) escaped << name.replace(u',', QStringLiteral(",,"));
    return escaped.join(QStringLiteral(", "));
}

QStringList SplitNames(const QString& field) {
    QStringList names;
    if (field.isEmpty()) return names;
    QString name;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c != u',') {
            name += c;
        } else if (i + 1 < field.size() && field.at(i + 1) == u',') {
            name += c;  // a doubled comma belongs to the name
            ++i;
        } else {
            names << name;
            name.clear();
            if (i + 1 < field.size() && field.at(i + 1) == u' ') ++i;
        }
    }
    names << name;
    return names;
}

bool ReadCatchTable(CCatchDatabase& db, const std::function<bool(const QStringList&)>& row,
                    IWorkProgress& progress) {
    return RunOrShowError(false, [&] {
        const int total = CountCatches(db);
        Names names(db);
        const auto fish = QuerySeveralLinks(db, CatalogKind::Fish);
        const auto baits = QuerySeveralLinks(db, CatalogKind::Baits);
        CDbRecordset rows(db);
        rows.SetSql(CatchRowSelect() + QStringLiteral(" ORDER BY ID"));
        if (!rows.Open()) return false;
        int done = 0;
        while (rows.Fetch()) {
            if (!row(CellsOf(ReadCatchRow(rows), names, fish, baits))) return false;
            if (++done % kProgressEvery == 0 && !progress.Advance(done, total)) return false;
        }
        return progress.Advance(total, total);
    });
}
