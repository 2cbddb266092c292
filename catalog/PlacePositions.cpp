#include "catalog/PlacePositions.h"

#include "db/DbConnection.h"
#include "db/DbRecordset.h"

std::optional<GeoPosition> QueryPlacePosition(const CDbConnection& db, int placeId) {
    if (placeId < 0) return std::nullopt;
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT COORD_GPS FROM LIEUX"));
    rows.AddNumberCondition(QStringLiteral("ID"), placeId);
    if (!rows.Open() || !rows.Fetch()) return std::nullopt;
    return ParseGeoPosition(rows.GetText(1));
}

std::optional<GeoPosition> QueryMostUsedPlacePosition(const CDbConnection& db) {
    CDbRecordset rows(db);
    // Places whose text does not read as a position are skipped in turn.
    rows.SetSql(
        QStringLiteral("SELECT l.COORD_GPS FROM LIEUX l JOIN PRISES p ON p.ID_LIEU = l.ID "
                       "WHERE l.COORD_GPS IS NOT NULL GROUP BY l.ID ORDER BY COUNT(*) DESC, l.ID"));
    if (!rows.Open()) return std::nullopt;
    while (rows.Fetch())
        if (auto where = ParseGeoPosition(rows.GetText(1))) return where;
    return std::nullopt;
}
