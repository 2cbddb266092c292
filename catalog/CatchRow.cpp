#include "catalog/CatchRow.h"

#include "catalog/CatalogKind.h"
#include "db/DbConnection.h"
#include "db/DbRecordset.h"

QString CatchRowSelect() {
    return QStringLiteral(
        "SELECT ID, DATE_PRISE, ID_LIEU, ID_POISSON, POIDS_POISSON, TAILLE_POISSON, ID_ESCHE, "
        "ID_AMORCE, ID_MONTAGE, ID_TECHNIQUE, ID_TEMPS, ID_VENT, ID_DIRECTION_VENT, ID_LUNE, "
        "TEMPERATURE, TEMPERATURE_EAU, ID_COULEUR_EAU, COMMENTAIRE, PHOTO, ID_MAREE, "
        "COEFF_MAREE, COORD_GPS, NOMBRE FROM PRISES");
}

CCatchRow ReadCatchRow(CDbRecordset& rows) {
    CCatchRow row;
    row.id = rows.GetInt(1);
    row.moment.Parse(rows.GetText(2), DateTimeLayout::Stored);
    row.placeId = rows.GetInt(3);
    row.fishId = rows.GetInt(4);
    row.weight = rows.GetDouble(5);
    row.size = rows.GetInt(6);
    row.baitId = rows.GetInt(7);
    row.groundbaitId = rows.GetInt(8);
    row.rigId = rows.GetInt(9);
    row.techniqueId = rows.GetInt(10);
    row.weatherId = rows.GetInt(11);
    row.windId = rows.GetInt(12);
    row.windDirectionId = rows.GetInt(13);
    row.moonId = rows.GetInt(14);
    row.airTemperature = rows.GetInt(15);
    row.waterTemperature = rows.GetInt(16);
    row.waterColourId = rows.GetInt(17);
    row.comment = rows.GetText(18);
    row.photo = rows.GetText(19);
    row.tideId = rows.GetInt(20);
    row.tideCoefficient = rows.GetInt(21);
    row.gps = rows.GetText(22);
    row.number = rows.GetInt(23);
    return row;
}

QString LinkTableForKind(Table kind) {
    if (kind == Table::Fish) return QStringLiteral("PRISE_POISSONS");
    if (kind == Table::Baits) return QStringLiteral("PRISE_ESCHES");
    return QString();
}

QString LinkColumnForKind(Table kind) {
    if (kind == Table::Fish) return QStringLiteral("ID_POISSON");
    if (kind == Table::Baits) return QStringLiteral("ID_ESCHE");
    return QString();
}

std::vector<int> QueryCatchLinks(const CDbConnection& db, int catchId, Table kind) {
    std::vector<int> ids;
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT ") + LinkColumnForKind(kind) + QStringLiteral(" FROM ") +
                LinkTableForKind(kind));
    rows.AddNumberCondition(QStringLiteral("ID_PRISE"), catchId);
    if (rows.Open()) {
        while (rows.Fetch()) ids.push_back(rows.GetInt(1));
    }
    return ids;
}

std::vector<int> QueryCatchSet(const CDbConnection& db, int catchId, int columnValue, Table kind) {
    if (columnValue == SEVERAL_IDS) return QueryCatchLinks(db, catchId, kind);
    return {columnValue};
}

QHash<int, std::vector<int>> QuerySeveralLinks(const CDbConnection& db, Table kind) {
    // The link rows come in table order, as the query of one catch would give them.
    const QString column = LinkColumnForKind(kind);
    QHash<int, std::vector<int>> links;
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT ID_PRISE, %1 FROM %2 where ID_PRISE IN "
                               "(SELECT ID FROM PRISES where %1=%3)")
                    .arg(column, LinkTableForKind(kind))
                    .arg(SEVERAL_IDS));
    rows.ReadInBlocks();
    if (rows.Open()) {
        while (rows.Fetch()) {
            const int catchId = rows.GetInt(1);
            links[catchId].push_back(rows.GetInt(2));
        }
    }
    return links;
}

QHash<int, std::vector<int>> QueryLinksBetween(const CDbConnection& db, Table kind, int first,
                                               int last) {
    QHash<int, std::vector<int>> links;
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT ID_PRISE, %1 FROM %2 where ID_PRISE BETWEEN %3 AND %4")
                    .arg(LinkColumnForKind(kind), LinkTableForKind(kind))
                    .arg(first)
                    .arg(last));
    rows.ReadInBlocks();
    if (rows.Open()) {
        while (rows.Fetch()) links[rows.GetInt(1)].push_back(rows.GetInt(2));
    }
    return links;
}
