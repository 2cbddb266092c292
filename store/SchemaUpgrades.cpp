// The schema steps, named after the versions that introduced them. Each runs at every
// start as one transaction; a change an earlier start already made ends in the accepted
// "already exists" code and counts as done.
#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/PicturePaths.h"
#include "db/DbErrorGuard.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"
#include "store/BaseSchema.h"
#include "store/SchemaExecution.h"

namespace {

bool Failed(SchemaOutcome outcome) { return outcome == SchemaOutcome::Failed; }

SchemaOutcome CreateTable(CCatchDatabase& db, const char* statement) {
    return RunSchemaStatement(db, QString::fromLatin1(statement), ERR_TABLE_EXISTS);
}

SchemaOutcome AddColumns(CCatchDatabase& db, const char* statement) {
    return RunSchemaStatement(db, QString::fromLatin1(statement), ERR_COLUMN_EXISTS);
}

// Seed rows go only into a table made in this run: an existing table, even empty, keeps
// what the angler left in it.
bool StoreSeedRows(CCatchDatabase& db, Table kind, const QStringList& names) {
    for (const QString& name : names)
        if (!db.InsertCatalogRow(kind, name, QString())) return false;
    return true;
}

// A step's tables, columns and seed rows reach the file together: a step killed part-way is
// not there at all, and the next start runs it again whole (a table with half its seed rows
// would never be seeded again).
template <typename Body>
bool InOneTransaction(CCatchDatabase& db, Body body) {
    return RunOrShowError(false, [&] {
        CDbTransaction transaction(db);
        if (!body()) return false;
        transaction.Commit();
        return true;
    });
}

}  // namespace

bool CCatchDatabase::UpgradeTo11() {
    return InOneTransaction(*this, [this] { return RunUpgradeTo11(); });
}

bool CCatchDatabase::UpgradeTo12() {
    return InOneTransaction(*this, [this] { return RunUpgradeTo12(); });
}

bool CCatchDatabase::UpgradeTo13() {
    return InOneTransaction(*this, [this] { return RunUpgradeTo13(); });
}

bool CCatchDatabase::UpgradeTo15() {
    return InOneTransaction(*this, [this] { return RunUpgradeTo15(); });
}

bool CCatchDatabase::UpgradeTo20() {
    return InOneTransaction(*this, [this] { return RunUpgradeTo20(); });
}

bool CCatchDatabase::RunUpgradeTo11() {
    if (Failed(CreateTable(*this,
                           "CREATE TABLE AMORCES (ID COUNTER, LIBELLE VARCHAR(50), "
                           "PHOTO VARCHAR(255), DESCRIPTION LONGTEXT)")))
        return false;
    if (Failed(AddColumns(*this, "ALTER TABLE PRISES ADD ID_AMORCE LONG"))) return false;
    return EnsurePictureFolder(QStringLiteral("Amorces"));
}

bool CCatchDatabase::RunUpgradeTo12() {
    // The base table already declares the weight REAL, so the dialect runs nothing here.
    return !Failed(RunSchemaStatement(
        *this, QStringLiteral("ALTER TABLE PRISES ALTER COLUMN POIDS_POISSON FLOAT"),
        std::nullopt));
}

bool CCatchDatabase::RunUpgradeTo13() {
    return !Failed(CreateTable(*this,
                               "CREATE TABLE CALENDRIER (ID COUNTER, DEBUT LONG, "
                               "FIN LONG, ID_LIEU LONG, COMMENTAIRE LONGTEXT)"));
}

bool CCatchDatabase::RunUpgradeTo15() {
    const SchemaOutcome directions = CreateTable(
        *this,
        "CREATE TABLE DIRECTIONS_VENT (ID COUNTER, LIBELLE VARCHAR(50), DESCRIPTION LONGTEXT)");
    if (Failed(directions)) return false;
    if (directions == SchemaOutcome::Done &&
        !StoreSeedRows(*this, Table::WindDirections, SeedNames(QStringLiteral("DIRECTIONS_VENT"))))
        return false;
    if (Failed(AddColumns(*this, "ALTER TABLE PRISES ADD ID_DIRECTION_VENT LONG"))) return false;
    if (Failed(CreateTable(*this,
                           "CREATE TABLE COULEURS_EAU (ID COUNTER, LIBELLE VARCHAR(50), "
                           "DESCRIPTION LONGTEXT)")))
        return false;
    if (Failed(AddColumns(*this, "ALTER TABLE PRISES ADD ID_COULEUR_EAU LONG"))) return false;
    const SchemaOutcome tides = CreateTable(
        *this, "CREATE TABLE MAREES (ID COUNTER, LIBELLE VARCHAR(50), DESCRIPTION LONGTEXT)");
    if (Failed(tides)) return false;
    if (tides == SchemaOutcome::Done &&
        !StoreSeedRows(*this, Table::Tides, SeedNames(QStringLiteral("MAREES"))))
        return false;
    if (Failed(AddColumns(*this, "ALTER TABLE PRISES ADD ID_MAREE LONG, COEFF_MAREE LONG")))
        return false;
    return !Failed(AddColumns(*this, "ALTER TABLE PRISES ADD COORD_GPS VARCHAR(20)"));
}

bool CCatchDatabase::RunUpgradeTo20() {
    if (Failed(AddColumns(*this, "ALTER TABLE CALENDRIER ADD HEURE_DEBUT LONG, HEURE_FIN LONG")))
        return false;
    if (Failed(CreateTable(*this, "CREATE TABLE PRISE_POISSONS (ID_PRISE LONG, ID_POISSON LONG)")))
        return false;
    if (Failed(CreateTable(*this, "CREATE TABLE PRISE_ESCHES (ID_PRISE LONG, ID_ESCHE LONG)")))
        return false;
    if (Failed(CreateTable(*this, "CREATE TABLE ALBUMS (ID COUNTER, LIBELLE VARCHAR(50))")))
        return false;
    if (Failed(CreateTable(*this,
                           "CREATE TABLE PHOTOS (ID COUNTER, ID_ALBUM LONG, "
                           "LIBELLE VARCHAR(50), COMMENTAIRE LONGTEXT)")))
        return false;
    // The number column and the albums' folder are independent: the folder is made even
    // when the column could not be added.
    const bool numberAdded = !Failed(AddColumns(*this, "ALTER TABLE PRISES ADD NOMBRE LONG"));
    const bool folderMade = EnsurePictureFolder(kAlbumPhotoFolder);
    return numberAdded && folderMade;
}

bool CCatchDatabase::UpgradeToPlacePositions() {
    // Optional: a place without a position keeps NULL, and an older Brevane never reads it.
    return InOneTransaction(*this, [this] {
        return !Failed(AddColumns(*this, "ALTER TABLE LIEUX ADD COORD_GPS VARCHAR(20)"));
    });
}

bool CCatchDatabase::UpgradeToPhotoExif() {
    // Optional: a photo added before, or by an older Brevane, keeps NULL in both.
    return InOneTransaction(*this, [this] {
        return !Failed(AddColumns(
            *this, "ALTER TABLE PHOTOS ADD DATE_PRISE_VUE VARCHAR(19), COORD_GPS VARCHAR(20)"));
    });
}
