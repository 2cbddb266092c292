#include "tools/samplelog/SampleCatalogWriter.h"

#include <QHash>

#include "db/DbConnection.h"
#include "db/DbRecordset.h"
#include "tools/samplelog/SampleCatalogs.h"
#include "tools/samplelog/SqlBatch.h"

namespace {

struct CatalogRow {
    QString name;
    QString description;
};

// The names the schema steps store in the two catalogues they seed, in their order.
const char* const kWindDirections[] = {"NORD", "NORD EST",  "EST",   "SUD EST",
                                       "SUD",  "SUD OUEST", "OUEST", "NORD OUEST"};
const char* const kTides[] = {"MAREE HAUTE",     "MAREE HAUTE + 1", "MAREE HAUTE + 2",
                              "MAREE HAUTE + 3", "MAREE HAUTE + 4", "MAREE HAUTE + 5",
                              "MAREE BASSE",     "MAREE BASSE + 1", "MAREE BASSE + 2",
                              "MAREE BASSE + 3", "MAREE BASSE + 4", "MAREE BASSE + 5"};

QString Utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

template <typename Entry>
std::vector<CatalogRow> RowsOf(const std::vector<Entry>& entries) {
    std::vector<CatalogRow> rows;
    for (const Entry& entry : entries) rows.push_back({Utf8(entry.name), {}});
    return rows;
}

std::vector<CatalogRow> RowsWithDescriptions(const std::vector<NamedEntry>& entries) {
    std::vector<CatalogRow> rows;
    for (const NamedEntry& entry : entries)
        rows.push_back({Utf8(entry.name), Utf8(entry.description)});
    return rows;
}

// Names compare as the LIBELLE columns do, without regard to letter case.
QHash<QString, int> ReadNames(CDbConnection& db, const QString& table) {
    QHash<QString, int> ids;
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + table +
                QStringLiteral(" ORDER BY ID"));
    if (!rows.Open()) return ids;
    while (rows.Fetch()) {
        const QString key = rows.GetText(2, SqlValueKind::UserText).toUpper();
        if (!ids.contains(key)) ids.insert(key, rows.GetInt(1));
    }
    return ids;
}

std::vector<int> FillCatalog(CDbConnection& db, const QString& table, bool withPhoto,
                             const std::vector<CatalogRow>& rows) {
    const QHash<QString, int> before = ReadNames(db, table);
    CSqlBatch batch(db, table,
                    withPhoto ? QStringLiteral("LIBELLE, PHOTO, DESCRIPTION")
                              : QStringLiteral("LIBELLE, DESCRIPTION"));
    for (const CatalogRow& row : rows) {
        if (before.contains(row.name.toUpper())) continue;
        batch.Add(SqlText(row.name) +
                  (withPhoto ? QStringLiteral(", NULL, ") : QStringLiteral(", ")) +
                  SqlText(row.description));
    }
    batch.Flush();
    const QHash<QString, int> after = ReadNames(db, table);
    std::vector<int> ids;
    for (const CatalogRow& row : rows) ids.push_back(after.value(row.name.toUpper(), -1));
    return ids;
}

// Every sample place gets its position, as an angler fills it in once: the sheet and the
// calendar then show the sun, the moon and the feeding periods of catches without GPS text.
void SetPlacePositions(CDbConnection& db, const std::vector<int>& placeIds) {
    const auto& places = SamplePlaces();
    for (size_t i = 0; i < places.size() && i < placeIds.size(); ++i) {
        if (placeIds[i] <= 0) continue;
        db.ExecuteDirect(QStringLiteral("UPDATE LIEUX SET COORD_GPS = %1 WHERE ID = %2 AND "
                                        "(COORD_GPS IS NULL OR COORD_GPS = '')")
                             .arg(SqlText(GpsText(places[i].latitude, places[i].longitude)))
                             .arg(placeIds[i]));
    }
}

std::vector<CatalogRow> FixedRows(const char* const* names, size_t count) {
    std::vector<CatalogRow> rows;
    for (size_t i = 0; i < count; ++i) rows.push_back({Utf8(names[i]), {}});
    return rows;
}

}  // namespace

SampleCatalogIds FillSampleCatalogs(CDbConnection& db) {
    SampleCatalogIds ids;
    std::vector<CatalogRow> species;
    for (const SpeciesTrait& trait : SampleSpecies())
        species.push_back({Utf8(trait.name), Utf8(trait.description)});
    std::vector<CatalogRow> places;
    for (const PlaceTrait& place : SamplePlaces())
        places.push_back({Utf8(place.name), Utf8(place.description)});

    ids.species = FillCatalog(db, QStringLiteral("POISSONS"), true, species);
    ids.places = FillCatalog(db, QStringLiteral("LIEUX"), true, places);
    SetPlacePositions(db, ids.places);
    ids.baits = FillCatalog(db, QStringLiteral("ESCHES"), true, RowsOf(SampleBaits()));
    ids.groundbaits = FillCatalog(db, QStringLiteral("AMORCES"), true, RowsOf(SampleGroundbaits()));
    ids.rigs = FillCatalog(db, QStringLiteral("MONTAGES"), true, RowsOf(SampleRigs()));
    ids.techniques =
        FillCatalog(db, QStringLiteral("TECHNIQUES"), false, RowsOf(SampleTechniques()));
    ids.weathers =
        FillCatalog(db, QStringLiteral("TEMPS"), false, RowsWithDescriptions(SampleWeathers()));
    ids.winds =
        FillCatalog(db, QStringLiteral("VENTS"), false, RowsWithDescriptions(SampleWinds()));
    ids.moons =
        FillCatalog(db, QStringLiteral("LUNES"), false, RowsWithDescriptions(SampleMoons()));
    ids.waterColours = FillCatalog(db, QStringLiteral("COULEURS_EAU"), false,
                                   RowsWithDescriptions(SampleWaterColours()));
    ids.windDirections = FillCatalog(db, QStringLiteral("DIRECTIONS_VENT"), false,
                                     FixedRows(kWindDirections, std::size(kWindDirections)));
    ids.tides =
        FillCatalog(db, QStringLiteral("MAREES"), false, FixedRows(kTides, std::size(kTides)));
    return ids;
}
