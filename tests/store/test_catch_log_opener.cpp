// Opening a data folder's catch log: new, already complete, older, damaged, unreachable.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "catalog/CatchDatabase.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "store/OptionDefaults.h"
#include "tests/support/TestCatchLog.h"

#include <gtest/gtest.h>

namespace {

const QStringList kFullSchema = {
    "ALBUMS(ID,LIBELLE)",
    "AMORCES(ID,LIBELLE,PHOTO,DESCRIPTION)",
    "CALENDRIER(ID,DEBUT,FIN,ID_LIEU,COMMENTAIRE,HEURE_DEBUT,HEURE_FIN)",
    "COULEURS_EAU(ID,LIBELLE,DESCRIPTION)",
    "DIRECTIONS_VENT(ID,LIBELLE,DESCRIPTION)",
    "ESCHES(ID,LIBELLE,PHOTO,DESCRIPTION)",
    "LIEUX(ID,LIBELLE,PHOTO,DESCRIPTION,COORD_GPS)",
    "LUNES(ID,LIBELLE,DESCRIPTION)",
    "MAREES(ID,LIBELLE,DESCRIPTION)",
    "MONTAGES(ID,LIBELLE,PHOTO,DESCRIPTION)",
    "OPTIONS(CLE,VALEUR)",
    "PHOTOS(ID,ID_ALBUM,LIBELLE,COMMENTAIRE,DATE_PRISE_VUE,COORD_GPS)",
    "POISSONS(ID,LIBELLE,PHOTO,DESCRIPTION)",
    "PRISES(ID,DATE_PRISE,ID_LIEU,ID_POISSON,POIDS_POISSON,TAILLE_POISSON,ID_ESCHE,ID_MONTAGE,"
    "ID_TECHNIQUE,ID_TEMPS,ID_VENT,ID_LUNE,TEMPERATURE,TEMPERATURE_EAU,COMMENTAIRE,PHOTO,"
    "ID_AMORCE,ID_DIRECTION_VENT,ID_COULEUR_EAU,ID_MAREE,COEFF_MAREE,COORD_GPS,NOMBRE)",
    "PRISE_ESCHES(ID_PRISE,ID_ESCHE)",
    "PRISE_POISSONS(ID_PRISE,ID_POISSON)",
    "TECHNIQUES(ID,LIBELLE,DESCRIPTION)",
    "TEMPS(ID,LIBELLE,DESCRIPTION)",
    "VENTS(ID,LIBELLE,DESCRIPTION)",
};

// Each row of a query as its columns joined by "|".
QStringList Rows(CCatchDatabase& db, const QString& sql, int columns) {
    QStringList rows;
    try {
        CDbRecordset rs(db);
        rs.SetSql(sql);
        if (!rs.Open()) return rows;
        while (rs.Fetch()) {
            QStringList values;
            for (int c = 1; c <= columns; ++c) values << rs.GetText(c);
            rows << values.join(u'|');
        }
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> e(raw);
        ADD_FAILURE() << e->message.toStdString();
    }
    return rows;
}

QStringList Schema(CCatchDatabase& db) {
    QStringList tables;
    for (const QString& table :
         Rows(db,
              "SELECT name FROM sqlite_master WHERE type='table' AND name<>'sqlite_sequence' "
              "ORDER BY name",
              1)) {
        const QStringList columns =
            Rows(db, "SELECT name FROM pragma_table_info('" + table + "') ORDER BY cid", 1);
        tables << table + u'(' + columns.join(u',') + u')';
    }
    return tables;
}

QByteArray Digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class CatchLogOpening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        SetUserMessages(&m_messages);
        ASSERT_TRUE(SeedImages(SourceImagesFolder(), Folder()));
    }
    void TearDown() override {
        m_db.Disconnect();
        SetUserMessages(nullptr);
    }
    QString Folder() const { return m_dir.path() + u'/'; }
    QString DatabasePath() const { return Folder() + "brevane.db"; }
    bool Open(bool starter = false) { return OpenCatchLog(m_db, Folder(), "BREVANE", starter); }
    void Reopen() {
        m_db.Disconnect();
        m_messages.Clear();
    }
    // Runs plain SQL through a connection of its own, before the program opens the file.
    void Prepare(const QStringList& statements) {
        CCatchDatabase raw;
        ASSERT_TRUE(RegisterDataSourceForTest());
        ASSERT_TRUE(raw.Connect("BREVANE", "", ""));
        for (const QString& sql : statements) {
            try {
                raw.ExecuteDirect(sql);
            } catch (CSQLException* raw) {
                const std::unique_ptr<CSQLException> e(raw);
                ADD_FAILURE() << sql.toStdString() << ": " << e->message.toStdString();
            }
        }
        raw.Disconnect();
    }
    bool RegisterDataSourceForTest();

    QTemporaryDir m_dir;
    CCatchDatabase m_db;
    RecordingMessages m_messages;
};

}  // namespace

#include "store/DataSource.h"

namespace {

bool CatchLogOpening::RegisterDataSourceForTest() { return RegisterDataSource(DatabasePath()); }

TEST_F(CatchLogOpening, FreshFolderReachesTheFullSchema) {
    ASSERT_TRUE(Open()) << m_messages.Texts().join(" | ").toStdString();
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(Schema(m_db), kFullSchema);
    EXPECT_EQ(GetProgramDirectory(), Folder());
    EXPECT_TRUE(FolderExists(Folder() + "images/", "Amorces"));
    EXPECT_TRUE(FolderExists(Folder() + "images/", "photos"));
    EXPECT_FALSE(FolderExists(Folder() + "images/", "Photos"));
    // Without starter lists the base catalogues are empty.
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM POISSONS", 1), QStringList{"0"});
}

TEST_F(CatchLogOpening, SeedRowsInOrderWithNullDescriptions) {
    ASSERT_TRUE(Open());
    EXPECT_EQ(Rows(m_db, "SELECT LIBELLE, DESCRIPTION IS NULL FROM DIRECTIONS_VENT ORDER BY ID", 2),
              (QStringList{"NORD|1", "NORD EST|1", "EST|1", "SUD EST|1", "SUD|1", "SUD OUEST|1",
                           "OUEST|1", "NORD OUEST|1"}));
    EXPECT_EQ(Rows(m_db, "SELECT LIBELLE, DESCRIPTION IS NULL FROM MAREES ORDER BY ID", 2),
              (QStringList{"MAREE HAUTE|1", "MAREE HAUTE + 1|1", "MAREE HAUTE + 2|1",
                           "MAREE HAUTE + 3|1", "MAREE HAUTE + 4|1", "MAREE HAUTE + 5|1",
                           "MAREE BASSE|1", "MAREE BASSE + 1|1", "MAREE BASSE + 2|1",
                           "MAREE BASSE + 3|1", "MAREE BASSE + 4|1", "MAREE BASSE + 5|1"}));
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM COULEURS_EAU", 1), QStringList{"0"});
}

TEST_F(CatchLogOpening, AllTwentyFiveOptionsGetTheirDefaults) {
    ASSERT_TRUE(Open());
    QStringList expected;
    for (const OptionDefault& option : DefaultOptions())
        expected << option.key + u'|' + QString::number(option.value);
    ASSERT_GE(expected.size(), 25);
    EXPECT_EQ(Rows(m_db, "SELECT CLE, VALEUR FROM OPTIONS ORDER BY rowid", 2), expected);
    EXPECT_EQ(expected.first(), "TAILLE_POLICE_PRISE|12");
    EXPECT_EQ(expected[24], "HAUTEUR_COMMENTAIRE_PRISE|20");
}

TEST_F(CatchLogOpening, StarterListsFillTheBaseCataloguesOnlyOfANewFile) {
    ASSERT_TRUE(Open(true));
    const QStringList fish = Rows(m_db, "SELECT LIBELLE FROM POISSONS ORDER BY ID", 1);
    EXPECT_TRUE(fish.contains("BROCHET"));
    for (const char* table : {"TEMPS", "VENTS", "LUNES", "TECHNIQUES"})
        EXPECT_NE(Rows(m_db, QString("SELECT COUNT(*) FROM ") + table, 1), QStringList{"0"})
            << table;
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM LIEUX", 1), QStringList{"0"});
    m_db.ExecuteDirect("DELETE FROM POISSONS");
    Reopen();
    ASSERT_TRUE(Open(true));
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM POISSONS", 1), QStringList{"0"});
}

TEST_F(CatchLogOpening, SecondOpenChangesNothingAndShowsNothing) {
    ASSERT_TRUE(Open(true));
    m_db.ExecuteDirect("INSERT INTO LIEUX (LIBELLE) VALUES ('ETANG')");
    Reopen();
    const QByteArray before = Digest(DatabasePath());
    ASSERT_TRUE(Open(true));
    EXPECT_TRUE(m_messages.shown.empty()) << m_messages.Texts().join(" | ").toStdString();
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM DIRECTIONS_VENT", 1), QStringList{"8"});
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM OPTIONS", 1),
              QStringList{QString::number(DefaultOptions().size())});
    m_db.Disconnect();
    EXPECT_EQ(Digest(DatabasePath()), before);
}

TEST_F(CatchLogOpening, ABaseOnlyDatabaseIsBroughtUpToDate) {
    Prepare({
        "CREATE TABLE PRISES (ID INTEGER PRIMARY KEY AUTOINCREMENT, DATE_PRISE DATETIME, "
        "ID_LIEU INTEGER, ID_POISSON INTEGER, POIDS_POISSON INTEGER, TAILLE_POISSON INTEGER, "
        "ID_ESCHE INTEGER, ID_MONTAGE INTEGER, ID_TECHNIQUE INTEGER, ID_TEMPS INTEGER, "
        "ID_VENT INTEGER, ID_LUNE INTEGER, TEMPERATURE INTEGER, TEMPERATURE_EAU INTEGER, "
        "COMMENTAIRE TEXT, PHOTO VARCHAR(255))",
        "CREATE TABLE POISSONS (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "PHOTO VARCHAR(255), DESCRIPTION TEXT)",
        "CREATE TABLE LIEUX (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "PHOTO VARCHAR(255), DESCRIPTION TEXT)",
        "CREATE TABLE ESCHES (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "PHOTO VARCHAR(255), DESCRIPTION TEXT)",
        "CREATE TABLE MONTAGES (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "PHOTO VARCHAR(255), DESCRIPTION TEXT)",
        "CREATE TABLE TEMPS (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "DESCRIPTION TEXT)",
        "CREATE TABLE VENTS (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "DESCRIPTION TEXT)",
        "CREATE TABLE LUNES (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "DESCRIPTION TEXT)",
        "CREATE TABLE TECHNIQUES (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
        "DESCRIPTION TEXT)",
        "CREATE TABLE OPTIONS (CLE VARCHAR(50), VALEUR VARCHAR(50))",
        "INSERT INTO POISSONS (LIBELLE) VALUES ('CARPE')",
        "INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, POIDS_POISSON) "
        "VALUES ('2003-06-01 07:30:00', -1, 1, 5)",
        // An existing, empty wind direction table gets no seed rows.
        "CREATE TABLE DIRECTIONS_VENT (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
        "LIBELLE VARCHAR(50), DESCRIPTION TEXT)",
    });
    ASSERT_TRUE(Open(true)) << m_messages.Texts().join(" | ").toStdString();
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(Schema(m_db), kFullSchema);
    EXPECT_EQ(Rows(m_db, "SELECT LIBELLE FROM POISSONS", 1), QStringList{"CARPE"});
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM DIRECTIONS_VENT", 1), QStringList{"0"});
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM MAREES", 1), QStringList{"12"});
    // The old integer weight still reads as a number; a new one keeps its grams.
    m_db.ExecuteDirect("UPDATE PRISES SET POIDS_POISSON=1.125 WHERE ID=1");
    EXPECT_EQ(Rows(m_db, "SELECT POIDS_POISSON, DATE_PRISE, NOMBRE IS NULL FROM PRISES", 3),
              QStringList{"1.125|2003-06-01 07:30:00|1"});
}

TEST_F(CatchLogOpening, OnlyMissingOptionsAreWritten) {
    ASSERT_TRUE(Open());
    m_db.ExecuteDirect("DELETE FROM OPTIONS WHERE CLE IN ('AFF_LIEU', 'HAUTEUR_IMAGE_PRISE')");
    m_db.ExecuteDirect("UPDATE OPTIONS SET VALEUR='abc' WHERE CLE='AFF_POIDS'");
    m_db.ExecuteDirect("UPDATE OPTIONS SET VALEUR='0' WHERE CLE='AFF_MAREE'");
    m_db.ExecuteDirect("UPDATE OPTIONS SET VALEUR=NULL WHERE CLE='TAILLE_POLICE_DIVERS'");
    m_db.ExecuteDirect("UPDATE OPTIONS SET VALEUR='' WHERE CLE='AFF_VENT'");
    Reopen();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(m_db.GetOption("AFF_LIEU"), "1");
    EXPECT_EQ(m_db.GetOption("HAUTEUR_IMAGE_PRISE"), "40");
    EXPECT_EQ(m_db.GetOption("AFF_POIDS"), "abc");
    EXPECT_EQ(m_db.GetOption("AFF_MAREE"), "0");
    EXPECT_EQ(m_db.GetOption("TAILLE_POLICE_DIVERS"), "12");
    EXPECT_EQ(m_db.GetOption("AFF_VENT"), "1");
    const QString count = QString::number(DefaultOptions().size());
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*), COUNT(DISTINCT CLE) FROM OPTIONS", 2),
              QStringList{count + u'|' + count});
}

// An older log has only the first 25 options: the options added since are written with their
// defaults, and the angler's values of the others stay as they were.
TEST_F(CatchLogOpening, AddedOptionsReachAnOlderLogWithoutTouchingTheOthers) {
    ASSERT_TRUE(Open());
    QStringList added;
    for (std::size_t i = 25; i < DefaultOptions().size(); ++i)
        added << "'" + DefaultOptions()[i].key + "'";
    ASSERT_FALSE(added.isEmpty());
    m_db.ExecuteDirect("DELETE FROM OPTIONS WHERE CLE IN (" + added.join(',') + ")");
    m_db.ExecuteDirect("UPDATE OPTIONS SET VALEUR='0' WHERE CLE LIKE 'AFF%'");
    m_db.ExecuteDirect("UPDATE OPTIONS SET VALEUR='abc' WHERE CLE='TAILLE_POLICE_PRISE'");
    const QString older = "SELECT CLE, VALEUR FROM OPTIONS ORDER BY rowid";
    const QStringList before = Rows(m_db, older, 2);
    Reopen();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(m_messages.shown.empty());
    const QStringList after = Rows(m_db, older, 2);
    ASSERT_EQ(after.size(), before.size() + added.size());
    EXPECT_EQ(after.mid(0, before.size()), before);
    for (std::size_t i = 25; i < DefaultOptions().size(); ++i)
        EXPECT_EQ(m_db.GetOption(DefaultOptions()[i].key),
                  QString::number(DefaultOptions()[i].value));
}

TEST_F(CatchLogOpening, RandomBytesAreReportedAndLeftUntouched) {
    QByteArray noise(64 * 1024, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    QFile file(DatabasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(noise);
    file.close();

    EXPECT_FALSE(Open());
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_TRUE(m_messages.shown[0].text.startsWith("La base de données est endommagée\n"))
        << m_messages.shown[0].text.toStdString();
    EXPECT_GT(m_messages.shown[0].text.size(), 35);  // the problem follows
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(m_db.IsConnected());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), noise);
    EXPECT_EQ(QDir(Folder()).entryList({"brevane.db*"}, QDir::Files), QStringList{"brevane.db"});
}

TEST_F(CatchLogOpening, AFolderThatCannotHoldTheFileEndsWithAMessage) {
    QFile blocker(Folder() + "blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(OpenCatchLog(m_db, Folder() + "blocker/sub/", "BREVANE", false));
    // The message names the file and what to check.
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_TRUE(m_messages.shown[0].text.startsWith(
        "Impossible de se connecter à la base de données\nLe fichier " + Folder() +
        "blocker/sub/brevane.db"))
        << m_messages.shown[0].text.toStdString();
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(m_db.IsConnected());
}

TEST_F(CatchLogOpening, ADatabasePathThatIsAFolderEndsWithAMessage) {
    ASSERT_TRUE(QDir().mkdir(DatabasePath()));
    EXPECT_FALSE(Open());
    EXPECT_EQ(m_messages.shown.size(), 1u);
    EXPECT_FALSE(m_db.IsConnected());
}

TEST_F(CatchLogOpening, MissingImagesFolderStopsAtVersionOneOne) {
    QDir(Folder() + "images").removeRecursively();
    QFile file(Folder() + "images");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a folder");
    file.close();
    EXPECT_FALSE(Open());
    EXPECT_EQ(m_messages.Texts(),
              (QStringList{"Impossible de créer le répertoire Amorces",
                           "Problème lors de la mise à jour de la version 1.1"}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a folder");
}

TEST_F(CatchLogOpening, AlbumsFolderThatCannotBeMadeStopsAtVersionTwo) {
    QFile file(Folder() + "images/photos");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(Open());
    EXPECT_EQ(m_messages.Texts(),
              (QStringList{"Impossible de créer le répertoire photos",
                           "Problème lors de la mise à jour de la version 2.0"}));
    // Everything before the folder was done and stays.
    QFile::remove(Folder() + "images/photos");
    Reopen();
    ASSERT_TRUE(Open());
    EXPECT_EQ(Schema(m_db), kFullSchema);
}

TEST_F(CatchLogOpening, NamesCompareWithoutRegardToLetterCase) {
    ASSERT_TRUE(Open());
    m_db.ExecuteDirect("INSERT INTO POISSONS (LIBELLE) VALUES ('BROCHET')");
    EXPECT_EQ(Rows(m_db, "SELECT COUNT(*) FROM POISSONS WHERE LIBELLE='brochet'", 1),
              QStringList{"1"});
}

TEST_F(CatchLogOpening, StoredSchemaFunctionsCannotReachFiles) {
    ASSERT_TRUE(Open());
    QFile secret(Folder() + "secret.txt");
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("hidden");
    secret.close();
    // The driver's file reader exists on the connection and works when called directly...
    EXPECT_EQ(Rows(m_db, "SELECT length(blob_import('" + secret.fileName() + "'))", 1),
              QStringList{"6"});
    // ...but a view stored in the file (as a foreign catch log could carry) may not call it.
    m_db.ExecuteDirect("CREATE VIEW SNOOP AS SELECT blob_import('" + secret.fileName() + "') AS X");
    try {
        CDbRecordset rs(m_db);
        rs.SetSql("SELECT X FROM SNOOP");
        rs.Open();
        rs.Fetch();
        FAIL() << "the view read the file: " << rs.GetText(1).toStdString();
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> e(raw);
        EXPECT_TRUE(e->message.contains("unsafe use of blob_import")) << e->message.toStdString();
    }
}

}  // namespace

TEST_F(CatchLogOpening, SearchIndexesAreMadeOnceAndUsedByTheRecordsQueries) {
    ASSERT_TRUE(Open());
    const QStringList indexes =
        Rows(m_db,
             "SELECT name FROM sqlite_master WHERE type='index' AND name NOT LIKE "
             "'sqlite_%' ORDER BY name",
             1);
    EXPECT_TRUE(indexes.contains("PRISES_POISSON_POIDS"));
    EXPECT_TRUE(indexes.contains("PRISE_POISSONS_PRISE"));
    EXPECT_TRUE(indexes.contains("PHOTOS_ALBUM"));
    const QStringList plan = Rows(m_db,
                                  "EXPLAIN QUERY PLAN SELECT MAX(POIDS_POISSON) FROM PRISES "
                                  "WHERE ID_POISSON=3",
                                  4);
    EXPECT_TRUE(plan.join(" ").contains("PRISES_POISSON_POIDS")) << plan.join(" | ").toStdString();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(m_messages.shown.empty());
}
