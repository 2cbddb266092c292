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
    QString One(int id, Table kind) { return id == -1 ? QString() : m_labels.Label(id, kind); }
    QString Set(const std::vector<int>& ids, Table kind) {
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
    return {
        row.moment.FormatDateTime(DateTimeLayout::DayFirstMinutes),
        names.One(row.placeId, Table::Places),
        row.gps,
        names.Set(SetOf(fish, row.id, row.fishId), Table::Fish),
        FormatCsvDecimal(row.weight, 3),
        QString::number(row.size),
        QString::number(row.number),
        names.Set(SetOf(baits, row.id, row.baitId), Table::Baits),
        names.One(row.groundbaitId, Table::Groundbaits),
        names.One(row.rigId, Table::Rigs),
        names.One(row.techniqueId, Table::Techniques),
        names.One(row.weatherId, Table::Weather),
        names.One(row.windId, Table::Winds),
        names.One(row.windDirectionId, Table::WindDirections),
        names.One(row.moonId, Table::Moons),
        QString::number(row.airTemperature),
        QString::number(row.waterTemperature),
        names.One(row.waterColourId, Table::WaterColours),
        names.One(row.tideId, Table::Tides),
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
    static const QList<CatchColumnInfo> columns = {
        {CatchColumn::Moment, "Date", std::nullopt},
        {CatchColumn::Place, "Lieu", Table::Places},
        {CatchColumn::Gps, "GPS", std::nullopt},
        {CatchColumn::Fish, "Poissons", Table::Fish},
        {CatchColumn::Weight, "Poids (kg)", std::nullopt},
        {CatchColumn::Size, "Taille (cm)", std::nullopt},
        {CatchColumn::Number, "Nombre", std::nullopt},
        {CatchColumn::Baits, "Esches", Table::Baits},
        {CatchColumn::Groundbait, "Amorce", Table::Groundbaits},
        {CatchColumn::Rig, "Montage", Table::Rigs},
        {CatchColumn::Technique, "Technique", Table::Techniques},
        {CatchColumn::Weather, "Temps", Table::Weather},
        {CatchColumn::Wind, "Vent", Table::Winds},
        {CatchColumn::WindDirection, "Direction du vent", Table::WindDirections},
        {CatchColumn::Moon, "Lune", Table::Moons},
        {CatchColumn::AirTemperature, "Température de l'air (°C)", std::nullopt},
        {CatchColumn::WaterTemperature, "Température de l'eau (°C)", std::nullopt},
        {CatchColumn::WaterColour, "Couleur de l'eau", Table::WaterColours},
        {CatchColumn::Tide, "Marée", Table::Tides},
        {CatchColumn::TideCoefficient, "Coefficient de marée", std::nullopt},
        {CatchColumn::Picture, "Photo", std::nullopt},
        {CatchColumn::Comment, "Commentaire", std::nullopt},
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
        const auto fish = QuerySeveralLinks(db, Table::Fish);
        const auto baits = QuerySeveralLinks(db, Table::Baits);
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
