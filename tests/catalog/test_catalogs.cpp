// The reference catalogues on a real catch log: lists, combo boxes, item dialogs, the
// refusals, labels and identifiers.
#include <QString>

#include "catalog/CatalogKind.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

namespace {

const QString kTaken = QStringLiteral("Il existe déjà un objet qui porte ce nom !");
const QString kTakenInBase =
    QStringLiteral("Il existe déjà un objet qui porte ce nom dans la base !");
const QString kInUse =
    QStringLiteral("Cet objet est encore référencé, vous ne pouvez pas le supprimer !");
const QString kTenBlanks = QStringLiteral("          ");

class CatalogsTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        // Start-up may seed starter lists; these tests count rows themselves.
        for (const char* table : {"POISSONS", "LIEUX", "ESCHES", "TEMPS", "COULEURS_EAU"}) {
            Exec(QStringLiteral("DELETE FROM ") + table);
        }
        Messages().Clear();
    }

    int Add(Table kind, const QString& label, const QString& photo = {},
            const QString& description = {}) {
        InMemoryItemForm form(label, photo, description);
        int id = -1;
        EXPECT_TRUE(Db().AddCatalogItem(form, kind, id)) << label.toStdString();
        return id;
    }
    int Count(const QString& table) {
        return Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }
    void ExpectOnlyMessage(const QString& text, MessageIcon icon) {
        ASSERT_EQ(Messages().shown.size(), 1u) << Messages().Texts().join('|').toStdString();
        EXPECT_EQ(Messages().shown[0].text, text);
        EXPECT_EQ(Messages().shown[0].icon, icon);
        Messages().Clear();
    }
};

TEST_F(CatalogsTest, AddStoresTheItemAndReturnsItsIdentifier) {
    const int id = Add(Table::Fish, QStringLiteral("BROCHET"), QStringLiteral("b.jpg"),
                       QStringLiteral("Esox lucius"));
    EXPECT_GT(id, 0);
    EXPECT_EQ(id, Db().GetLastId(Table::Fish));
    InMemoryItemForm loaded;
    EXPECT_TRUE(Db().LoadCatalogItem(loaded, Table::Fish, id));
    EXPECT_EQ(loaded.label, "BROCHET");
    EXPECT_EQ(loaded.photo, "b.jpg");
    EXPECT_EQ(loaded.description, "Esox lucius");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(CatalogsTest, RefusesTakenNamesOnAddAndModify) {
    const int pike = Add(Table::Fish, QStringLiteral("BROCHET"));
    const int perch = Add(Table::Fish, QStringLiteral("PERCHE"));

    InMemoryItemForm same(QStringLiteral("BROCHET"), {}, {});
    int id = -1;
    EXPECT_FALSE(Db().AddCatalogItem(same, Table::Fish, id));
    ExpectOnlyMessage(kTaken, MessageIcon::None);
    EXPECT_EQ(id, -1);
    // Names compare without regard to letter case, as the angler reads them.
    InMemoryItemForm lower(QStringLiteral("brochet"), {}, {});
    EXPECT_FALSE(Db().AddCatalogItem(lower, Table::Fish, id));
    ExpectOnlyMessage(kTaken, MessageIcon::None);
    EXPECT_EQ(Count("POISSONS"), 2);

    InMemoryItemForm unchanged(QStringLiteral("BROCHET"), {}, QStringLiteral("nouveau"));
    EXPECT_TRUE(Db().ModifyCatalogItem(unchanged, Table::Fish, pike));
    EXPECT_TRUE(Messages().shown.empty());

    InMemoryItemForm clash(QStringLiteral("BROCHET"), {}, {});
    EXPECT_FALSE(Db().ModifyCatalogItem(clash, Table::Fish, perch));
    ExpectOnlyMessage(kTakenInBase, MessageIcon::None);
    EXPECT_EQ(Db().GetLabel(perch, Table::Fish), "PERCHE");

    // The same name in another catalogue is another object.
    EXPECT_GT(Add(Table::Places, QStringLiteral("BROCHET")), 0);
}

TEST_F(CatalogsTest, RefusesDeletingWhatACatchStillNames) {
    const int place = Add(Table::Places, QStringLiteral("ETANG"));
    const int spare = Add(Table::Places, QStringLiteral("RIVIERE"));
    Exec(QStringLiteral("INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, ID_ESCHE) "
                        "VALUES ('2007-05-12 14:30:00', %1, -1, -1)")
             .arg(place));

    EXPECT_TRUE(Db().IsCatalogItemUsed(Table::Places, place));
    EXPECT_FALSE(Db().DeleteCatalogItem(Table::Places, place));
    ExpectOnlyMessage(kInUse, MessageIcon::None);
    EXPECT_EQ(Count("LIEUX"), 2);

    EXPECT_FALSE(Db().IsCatalogItemUsed(Table::Places, spare));
    EXPECT_TRUE(Db().DeleteCatalogItem(Table::Places, spare));
    EXPECT_TRUE(Messages().shown.empty());
    EXPECT_EQ(Db().GetLabel(spare, Table::Places), "");
}

TEST_F(CatalogsTest, FishOrBaitNamedOnlyByLinkRowsIsStillInUse) {
    const int pike = Add(Table::Fish, QStringLiteral("BROCHET"));
    const int perch = Add(Table::Fish, QStringLiteral("PERCHE"));
    const int worm = Add(Table::Baits, QStringLiteral("VER"));
    Exec(
        QStringLiteral("INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, ID_ESCHE) "
                       "VALUES ('2007-05-12 14:30:00', -1, 999999, 999999)"));
    const int catchId = Scalar("SELECT MAX(ID) FROM PRISES").toInt();
    Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_POISSON, ID_PRISE) VALUES (%1, %2)")
             .arg(pike)
             .arg(catchId));
    Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_POISSON, ID_PRISE) VALUES (%1, %2)")
             .arg(perch)
             .arg(catchId));
    Exec(QStringLiteral("INSERT INTO PRISE_ESCHES (ID_ESCHE, ID_PRISE) VALUES (%1, %2)")
             .arg(worm)
             .arg(catchId));

    EXPECT_FALSE(Db().DeleteCatalogItem(Table::Fish, perch));
    ExpectOnlyMessage(kInUse, MessageIcon::None);
    EXPECT_FALSE(Db().DeleteCatalogItem(Table::Baits, worm));
    ExpectOnlyMessage(kInUse, MessageIcon::None);
    EXPECT_EQ(Count("POISSONS"), 2);
    EXPECT_EQ(Count("ESCHES"), 1);
}

TEST_F(CatalogsTest, PlaceOfASessionOnlyIsStillInUse) {
    const int lake = Add(Table::Places, QStringLiteral("LAC"));
    Exec(QStringLiteral("INSERT INTO CALENDRIER (DEBUT, FIN, ID_LIEU, COMMENTAIRE, HEURE_DEBUT, "
                        "HEURE_FIN) VALUES (20070512, 20070512, %1, 'Matin', 700, 900)")
             .arg(lake));
    EXPECT_FALSE(Db().DeleteCatalogItem(Table::Places, lake));
    ExpectOnlyMessage(kInUse, MessageIcon::None);
    EXPECT_EQ(Count("LIEUX"), 1);
}

TEST_F(CatalogsTest, LabelsOfNoneMissingAndStoredRows) {
    const int id = Add(Table::Weather, QStringLiteral("ENSOLEILLE"));
    const int other = Add(Table::Weather, QStringLiteral("PLUIE"));
    EXPECT_EQ(Db().GetLabel(-1, Table::Weather), kTenBlanks);
    EXPECT_EQ(Db().GetLabel(id + 1000, Table::Weather), "");
    EXPECT_EQ(Db().GetLabel(id, Table::Weather), "ENSOLEILLE");
    EXPECT_EQ(Db().GetLabels({other, id}, Table::Weather), "PLUIE, ENSOLEILLE");
    EXPECT_EQ(Db().GetLabels({id, -1, id + 1000}, Table::Weather),
              "ENSOLEILLE, " + kTenBlanks + ", ");
    EXPECT_EQ(Db().GetLabels({}, Table::Weather), "");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(CatalogsTest, LastIdOfAnEmptyTableIsZero) {
    EXPECT_EQ(Db().GetLastId(Table::WaterColours), 0);
    EXPECT_EQ(Db().GetLastId(Table::Albums), 0);
    EXPECT_EQ(Db().GetLastId(Table::Photos), 0);
    EXPECT_EQ(Db().GetLastId(Table::Sessions), 0);
    EXPECT_TRUE(Db().InsertCatalogRow(Table::WaterColours, QStringLiteral("CLAIRE"), {}));
    EXPECT_EQ(Db().GetLastId(Table::WaterColours),
              Scalar("SELECT ID FROM COULEURS_EAU WHERE LIBELLE='CLAIRE'").toInt());
}

TEST_F(CatalogsTest, ComboStartsWithNoSelectionAndHoldsEveryRow) {
    InMemoryList combo;
    EXPECT_TRUE(Db().FillCatalogCombo(combo, Table::WaterColours));
    ASSERT_EQ(combo.Count(), 1);
    EXPECT_EQ(combo.Text(0), "-- PAS DE SELECTION --");
    EXPECT_EQ(combo.Id(0), -1);
    EXPECT_EQ(combo.selected, 0);

    const int muddy = Add(Table::WaterColours, QStringLiteral("TROUBLE"));
    const int clear = Add(Table::WaterColours, QStringLiteral("CLAIRE"));
    EXPECT_TRUE(Db().FillCatalogCombo(combo, Table::WaterColours));
    ASSERT_EQ(combo.Count(), 3);
    EXPECT_EQ(combo.Id(0), -1);
    EXPECT_EQ(combo.Text(1), "TROUBLE");
    EXPECT_EQ(combo.Id(1), muddy);
    EXPECT_EQ(combo.Id(2), clear);
    EXPECT_EQ(combo.selected, 0);
}

TEST_F(CatalogsTest, NavigationListIsSortedByNameAndSelectsTheFirst) {
    InMemoryList list;
    EXPECT_TRUE(Db().FillNavigationList(list, Category::Places));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.selected, -1);

    const int b = Add(Table::Places, QStringLiteral("BARRAGE"));
    const int a = Add(Table::Places, QStringLiteral("ETANG"));
    const int c = Add(Table::Places, QStringLiteral("canal"));
    EXPECT_TRUE(Db().FillNavigationList(list, Category::Places));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Id(0), b);
    EXPECT_EQ(list.Id(1), c);
    EXPECT_EQ(list.Id(2), a);
    EXPECT_EQ(list.selected, 0);

    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('VACANCES')"));
    EXPECT_TRUE(Db().FillNavigationList(list, Category::Albums));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(0), "VACANCES");
}

TEST_F(CatalogsTest, TextCatalogItemsHaveNoPictureAndEmptyDescriptionsAreNull) {
    const int id = Add(Table::Weather, QStringLiteral("ORAGEUX"), QStringLiteral("x.jpg"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT DESCRIPTION IS NULL FROM TEMPS WHERE ID=%1").arg(id)),
              "1");
    InMemoryItemForm loaded(QStringLiteral("avant"), QStringLiteral("avant.jpg"),
                            QStringLiteral("avant"));
    EXPECT_TRUE(Db().LoadCatalogItem(loaded, Table::Weather, id));
    EXPECT_EQ(loaded.label, "ORAGEUX");
    EXPECT_EQ(loaded.photo, "avant.jpg");  // the dialog without picture is not asked
    EXPECT_EQ(loaded.description, "");

    InMemoryItemForm missing(QStringLiteral("avant"), {}, {});
    EXPECT_TRUE(Db().LoadCatalogItem(missing, Table::Weather, id + 1000));
    EXPECT_EQ(missing.label, "avant");
}

TEST_F(CatalogsTest, TypedTextsComeBackExactly) {
    const QString description = QStringLiteral("now()");
    const int id =
        Add(Table::Fish, QStringLiteral("NULL"), QStringLiteral("{d'x.jpg"), description);
    InMemoryItemForm loaded;
    EXPECT_TRUE(Db().LoadCatalogItem(loaded, Table::Fish, id));
    EXPECT_EQ(loaded.label, "NULL");
    EXPECT_EQ(loaded.photo, "{d'x.jpg");
    EXPECT_EQ(loaded.description, description);
    EXPECT_TRUE(Db().NameExists(QStringLiteral("NULL"), Table::Fish, -1));
    EXPECT_FALSE(Db().NameExists(QStringLiteral("NULL"), Table::Fish, id));

    const int quoted = Add(Table::Places, QStringLiteral("L'ÉTANG D'EN HAUT"));
    EXPECT_EQ(Db().GetLabel(quoted, Table::Places), QStringLiteral("L'ÉTANG D'EN HAUT"));
}

TEST_F(CatalogsTest, RefusesTextsTooLongForTheirColumnOrHoldingNul) {
    const QString fifty = QString(50, QChar(0x00C9));  // "É", two bytes in UTF-8
    EXPECT_GT(Add(Table::Fish, fifty), 0);

    int id = -1;
    InMemoryItemForm longLabel(QString(51, QLatin1Char('A')), {}, {});
    EXPECT_FALSE(Db().AddCatalogItem(longLabel, Table::Fish, id));
    ExpectOnlyMessage(QStringLiteral("Le libellé ne doit pas dépasser 50 caractères !"),
                      MessageIcon::Exclamation);

    InMemoryItemForm longPhoto(QStringLiteral("GARDON"), QString(256, QLatin1Char('p')), {});
    EXPECT_FALSE(Db().AddCatalogItem(longPhoto, Table::Fish, id));
    ExpectOnlyMessage(QStringLiteral("Le nom de l'image ne doit pas dépasser 255 caractères !"),
                      MessageIcon::Exclamation);

    InMemoryItemForm nul(QStringLiteral("GARDON"), {}, QStringLiteral("a") + QChar(0) + "b");
    EXPECT_FALSE(Db().AddCatalogItem(nul, Table::Fish, id));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
    Messages().Clear();

    const int pike = Add(Table::Fish, QStringLiteral("BROCHET"));
    InMemoryItemForm renamed(QString(51, QLatin1Char('B')), {}, {});
    EXPECT_FALSE(Db().ModifyCatalogItem(renamed, Table::Fish, pike));
    ExpectOnlyMessage(QStringLiteral("Le libellé ne doit pas dépasser 50 caractères !"),
                      MessageIcon::Exclamation);
    EXPECT_EQ(Db().GetLabel(pike, Table::Fish), "BROCHET");
    EXPECT_EQ(Count("POISSONS"), 2);
}

TEST_F(CatalogsTest, SeedRowsAreStoredWithoutCheckOrReadBack) {
    EXPECT_TRUE(Db().InsertCatalogRow(Table::WaterColours, QStringLiteral("VERTE"), {}));
    EXPECT_TRUE(Db().InsertCatalogRow(Table::WaterColours, QStringLiteral("VERTE"), {}));
    EXPECT_EQ(Count("COULEURS_EAU"), 2);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM COULEURS_EAU WHERE DESCRIPTION IS NULL"), "2");
}

TEST_F(CatalogsTest, NameCheckOfAlbumsAndOfAnEmptyName) {
    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('ETE 2007')"));
    EXPECT_TRUE(Db().NameExists(QStringLiteral("ETE 2007"), Table::Albums, -1));
    EXPECT_FALSE(Db().NameExists(QStringLiteral("ETE 2008"), Table::Albums, -1));
    EXPECT_FALSE(Db().NameExists(QString(), Table::Fish, -1));
    Exec(QStringLiteral("INSERT INTO POISSONS (LIBELLE) VALUES (NULL)"));
    EXPECT_TRUE(Db().NameExists(QString(), Table::Fish, -1));
    EXPECT_TRUE(Messages().shown.empty());
}

}  // namespace
