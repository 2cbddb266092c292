#include "store/BaseSchema.h"

#include <QStringList>

#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "db/SqlInsert.h"
#include "store/SqlDialect.h"

namespace {

const char* const kBaseTables[] = {
    "CREATE TABLE PRISES (ID COUNTER, DATE_PRISE DATETIME, ID_LIEU LONG, ID_POISSON LONG, "
    "POIDS_POISSON FLOAT, TAILLE_POISSON LONG, ID_ESCHE LONG, ID_MONTAGE LONG, "
    "ID_TECHNIQUE LONG, ID_TEMPS LONG, ID_VENT LONG, ID_LUNE LONG, TEMPERATURE LONG, "
    "TEMPERATURE_EAU LONG, COMMENTAIRE LONGTEXT, PHOTO VARCHAR(255))",
    "CREATE TABLE POISSONS (ID COUNTER, LIBELLE VARCHAR(50), PHOTO VARCHAR(255), "
    "DESCRIPTION LONGTEXT)",
    "CREATE TABLE LIEUX (ID COUNTER, LIBELLE VARCHAR(50), PHOTO VARCHAR(255), "
    "DESCRIPTION LONGTEXT)",
    "CREATE TABLE ESCHES (ID COUNTER, LIBELLE VARCHAR(50), PHOTO VARCHAR(255), "
    "DESCRIPTION LONGTEXT)",
    "CREATE TABLE MONTAGES (ID COUNTER, LIBELLE VARCHAR(50), PHOTO VARCHAR(255), "
    "DESCRIPTION LONGTEXT)",
    "CREATE TABLE TEMPS (ID COUNTER, LIBELLE VARCHAR(50), DESCRIPTION LONGTEXT)",
    "CREATE TABLE VENTS (ID COUNTER, LIBELLE VARCHAR(50), DESCRIPTION LONGTEXT)",
    "CREATE TABLE LUNES (ID COUNTER, LIBELLE VARCHAR(50), DESCRIPTION LONGTEXT)",
    "CREATE TABLE TECHNIQUES (ID COUNTER, LIBELLE VARCHAR(50), DESCRIPTION LONGTEXT)",
    "CREATE TABLE OPTIONS (CLE VARCHAR(50), VALEUR VARCHAR(50))",
};

struct StarterList {
    const char* table;
    QStringList names;
};

// Names in capitals without accents, as the angler types catalogue names.
const StarterList kStarterLists[] = {
    {"POISSONS",
     {"BROCHET", "SANDRE", "PERCHE", "BLACK-BASS", "CARPE", "TRUITE", "GARDON", "BREME", "BAR",
      "DORADE ROYALE", "MAQUEREAU"}},
    {"TEMPS", {"ENSOLEILLE", "PEU NUAGEUX", "NUAGEUX", "COUVERT", "PLUIE", "ORAGE", "BROUILLARD"}},
    {"VENTS", {"NUL", "FAIBLE", "MODERE", "FORT", "TEMPETE"}},
    {"LUNES",
     {"NOUVELLE LUNE", "PREMIER CROISSANT", "PREMIER QUARTIER", "GIBBEUSE CROISSANTE",
      "PLEINE LUNE", "GIBBEUSE DECROISSANTE", "DERNIER QUARTIER", "DERNIER CROISSANT"}},
    {"TECHNIQUES",
     {"PECHE AU COUP", "PECHE AU LANCER", "PECHE A LA MOUCHE", "PECHE AU FEEDER", "PECHE AU POSE",
      "PECHE A LA TRAINE", "SURFCASTING"}},
};

const StarterList kSeededByUpgrades[] = {
    {"DIRECTIONS_VENT",
     {"NORD", "NORD EST", "EST", "SUD EST", "SUD", "SUD OUEST", "OUEST", "NORD OUEST"}},
    {"MAREES",
     {"MAREE HAUTE", "MAREE HAUTE + 1", "MAREE HAUTE + 2", "MAREE HAUTE + 3", "MAREE HAUTE + 4",
      "MAREE HAUTE + 5", "MAREE BASSE", "MAREE BASSE + 1", "MAREE BASSE + 2", "MAREE BASSE + 3",
      "MAREE BASSE + 4", "MAREE BASSE + 5"}},
};

void ExecuteAll(CDbConnection& db, const QString& accessStatement) {
    for (const QString& statement : ToEngineStatements(accessStatement, db.Engine()))
        db.ExecuteDirect(statement);
}

void InsertStarterRows(CDbConnection& db) {
    for (const StarterList& list : kStarterLists) {
        for (const QString& name : list.names) {
            CSqlInsert insert(QString::fromLatin1(list.table));
            insert.AddField(QStringLiteral("LIBELLE"), name, SqlValueKind::Text);
            insert.AddField(QStringLiteral("DESCRIPTION"), QString(), SqlValueKind::Text);
            db.ExecuteDirect(insert.GetSql());
        }
    }
}

}  // namespace

bool CreateBaseSchema(CDbConnection& db, bool withStarterLists) {
    // The base tables appear all together or not at all.
    return RunOrShowError(false, [&] {
        CDbTransaction transaction(db);
        for (const QString& statement : SchemaPreludeStatements(db.Engine()))
            db.ExecuteDirect(statement);
        for (const char* table : kBaseTables) ExecuteAll(db, QString::fromLatin1(table));
        if (withStarterLists) InsertStarterRows(db);
        transaction.Commit();
        return true;
    });
}

QStringList SeedNames(const QString& table) {
    for (const StarterList& list : kStarterLists)
        if (table == QLatin1String(list.table)) return list.names;
    for (const StarterList& list : kSeededByUpgrades)
        if (table == QLatin1String(list.table)) return list.names;
    return {};
}
