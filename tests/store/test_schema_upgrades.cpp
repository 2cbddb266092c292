// The schema steps run again on a catch log, and what each does when a statement fails.
#include <QDir>
#include <QFile>

#include "catalog/Album.h"
#include "db/DbErrorGuard.h"
#include "db/DbTransaction.h"
#include "store/AppHelpers.h"
#include "store/ChangeCounter.h"
#include "tests/support/TestCatchLog.h"

namespace {

using SchemaSteps = TestCatchLog;

TEST_F(SchemaSteps, RunningEveryStepAgainChangesNothing) {
    const int directions = CountRows("DIRECTIONS_VENT");
    EXPECT_TRUE(Db().UpgradeTo11());
    EXPECT_TRUE(Db().UpgradeTo12());
    EXPECT_TRUE(Db().UpgradeTo13());
    EXPECT_TRUE(Db().UpgradeTo15());
    EXPECT_TRUE(Db().UpgradeTo20());
    EXPECT_TRUE(AddChangeCounter(Db()));
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(CountRows("DIRECTIONS_VENT"), directions);
    EXPECT_EQ(CountRows("MAREES"), 12);
}

TEST_F(SchemaSteps, SeedRowsOnlyIntoATableMadeInThisRun) {
    Exec("DROP TABLE MAREES");
    Exec("DELETE FROM DIRECTIONS_VENT");
    EXPECT_TRUE(Db().UpgradeTo15());
    EXPECT_EQ(CountRows("DIRECTIONS_VENT"), 0);
    EXPECT_EQ(CountRows("MAREES"), 12);
    EXPECT_EQ(Scalar("SELECT LIBELLE FROM MAREES ORDER BY ID LIMIT 1"), "MAREE HAUTE");
}

TEST_F(SchemaSteps, AFailingStatementShowsTheDriverMessageAndStopsTheStep) {
    Exec("DROP TABLE PRISES");
    Exec("DROP TABLE AMORCES");
    QDir(DataDir() + "images/Amorces").removeRecursively();
    EXPECT_FALSE(Db().UpgradeTo11());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(SaysTableIsMissing(Messages().shown[0].text, "PRISES"));
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);
    // The step is one transaction: the table made before the failure is undone with it; the
    // folder step after it did not run.
    EXPECT_TRUE(TableColumns("AMORCES").isEmpty());
    EXPECT_FALSE(QDir(DataDir() + "images/Amorces").exists());
}

TEST_F(SchemaSteps, ColumnsAddedTogetherAreToleratedOneByOne) {
    // A catch log where only the first of the two tide columns had been added.
    Exec("CREATE TABLE P2 AS SELECT ID, ID_MAREE FROM PRISES");
    Exec("DROP TABLE PRISES");
    Exec("ALTER TABLE P2 RENAME TO PRISES");
    EXPECT_TRUE(Db().UpgradeTo15());
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(TableColumns("PRISES").join(u','),
              "ID,ID_MAREE,ID_DIRECTION_VENT,ID_COULEUR_EAU,COEFF_MAREE,COORD_GPS");
}

TEST_F(SchemaSteps, VersionTwoMakesTheAlbumsFolderEvenWhenTheColumnFails) {
    Exec("DROP TABLE PRISES");
    QDir(DataDir() + "images/photos").removeRecursively();
    EXPECT_FALSE(Db().UpgradeTo20());
    EXPECT_TRUE(QDir(DataDir() + "images/photos").exists());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(SaysTableIsMissing(Messages().shown[0].text, "PRISES"));
}

}  // namespace

namespace {

// A log written before places had a position: its places stay as they were, with no
// position, and the step can run again.
TEST_F(SchemaSteps, PlacePositionsStepKeepsTheRowsOfAnOlderLog) {
    Exec("INSERT INTO LIEUX (LIBELLE, PHOTO, DESCRIPTION) VALUES ('LAC', 'lac.jpg', 'rive nord')");
    Exec("ALTER TABLE LIEUX DROP COLUMN COORD_GPS");
    for (int run = 0; run < 2; ++run) {
        EXPECT_TRUE(Db().UpgradeToPlacePositions());
        EXPECT_TRUE(Messages().shown.empty());
        EXPECT_EQ(TableColumns("LIEUX").join(u','), "ID,LIBELLE,PHOTO,DESCRIPTION,COORD_GPS");
        EXPECT_EQ(Scalar("SELECT LIBELLE || PHOTO || DESCRIPTION FROM LIEUX "
                         "WHERE COORD_GPS IS NULL"),
                  "LAClac.jpgrive nord");
    }
}

// A log written before photos kept their date taken and position: its photos stay as they
// were, the album still loads them, and the step can run again.
TEST_F(SchemaSteps, PhotoExifStepKeepsThePhotosOfAnOlderLog) {
    Exec("ALTER TABLE PHOTOS DROP COLUMN DATE_PRISE_VUE");
    Exec("ALTER TABLE PHOTOS DROP COLUMN COORD_GPS");
    Exec("INSERT INTO ALBUMS (LIBELLE) VALUES ('ETE')");
    CAlbum album;
    album.id = ScalarInt("SELECT MAX(ID) FROM ALBUMS");
    Exec(QStringLiteral("INSERT INTO PHOTOS (ID_ALBUM, LIBELLE, COMMENTAIRE) "
                        "VALUES (%1, 'carpe.jpg', 'belle')")
             .arg(album.id));
    for (int run = 0; run < 2; ++run) {
        EXPECT_TRUE(Db().UpgradeToPhotoExif());
        EXPECT_TRUE(Messages().shown.empty());
        EXPECT_EQ(TableColumns("PHOTOS").join(u','),
                  "ID,ID_ALBUM,LIBELLE,COMMENTAIRE,DATE_PRISE_VUE,COORD_GPS");
        ASSERT_TRUE(Db().LoadAlbum(album));
        ASSERT_EQ(album.photos.size(), 1u);
        EXPECT_EQ(album.photos[0].fileName, "carpe.jpg");
        EXPECT_EQ(album.photos[0].comment, "belle");
        EXPECT_EQ(album.photos[0].taken, QString());
        EXPECT_EQ(album.photos[0].gps, QString());
    }
}

}  // namespace

namespace {

// The change number a window reads moves when another connection commits a change of the
// rows it shows, and only then.
TEST_F(SchemaSteps, ChangeNumberMovesOnlyWithAnotherConnectionsCommit) {
    const int place = AddCatalogRow("LIEUX", "LAC");
    const struct {
        const char* what;
        QString statement;  // run on another connection
        bool rolledBack;
        bool moves;
    } cases[] = {
        {"nothing", {}, false, false},
        {"a read", "SELECT COUNT(*) FROM PRISES", false, false},
        {"a catch stored", "INSERT INTO PRISES (ID_LIEU) VALUES (1)", false, true},
        {"a catch deleted", "DELETE FROM PRISES", false, true},
        {"a name changed",
         QStringLiteral("UPDATE LIEUX SET LIBELLE='ETANG' WHERE ID=%1").arg(place), false, true},
        {"a session rolled back", "INSERT INTO CALENDRIER (DEBUT, FIN) VALUES (1, 2)", true, false},
        {"an album stored", "INSERT INTO ALBUMS (LIBELLE) VALUES ('ETE')", false, true},
    };
    CDbConnection other;
    ASSERT_TRUE(other.ConnectLike(Db()));
    for (const auto& c : cases) {
        std::optional<qint64> before;
        std::optional<qint64> after;
        ASSERT_FALSE(CatchDbError([&] { before = ReadChangeCount(Db()); })) << c.what;
        ASSERT_FALSE(CatchDbError([&] {
            CDbTransaction transaction(other);
            if (!c.statement.isEmpty()) other.ExecuteDirect(c.statement);
            if (!c.rolledBack) transaction.Commit();
        })) << c.what;
        ASSERT_FALSE(CatchDbError([&] { after = ReadChangeCount(Db()); })) << c.what;
        ASSERT_TRUE(before && after) << c.what;
        EXPECT_EQ(*after != *before, c.moves) << c.what;
    }
}

}  // namespace
