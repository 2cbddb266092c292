// Catches on a real catch log: stored columns and link rows, the filtered catch list, the
// dialog's load, update and delete.
#include <limits>

#include <QString>
#include <functional>

#include "catalog/CatalogKind.h"
#include "catalog/CatchFilter.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

namespace {

class CatchesTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        Exec(QStringLiteral("DELETE FROM POISSONS"));
        Exec(QStringLiteral("INSERT INTO POISSONS (ID, LIBELLE) VALUES (7, 'A')"));
        Exec(QStringLiteral("INSERT INTO POISSONS (ID, LIBELLE) VALUES (9, 'B')"));
        Messages().Clear();
    }

    int Insert(InMemoryCatchForm& form) {
        int id = -1;
        EXPECT_TRUE(Db().InsertCatch(form, id));
        return id;
    }
    QString Column(int catchId, const QString& column) {
        return Scalar(QStringLiteral("SELECT %1 FROM PRISES WHERE ID=%2").arg(column).arg(catchId));
    }
    QString Links(const QString& table, const QString& column, int catchId) {
        return Values(QStringLiteral("SELECT %1 FROM %2 WHERE ID_PRISE=%3 ORDER BY ROWID")
                          .arg(column, table)
                          .arg(catchId))
            .join(u',');
    }
    std::vector<int> ListedIds() {
        InMemoryList list;
        EXPECT_TRUE(Db().FillCatchList(list));
        std::vector<int> ids;
        for (int i = 0; i < list.Count(); ++i) ids.push_back(list.Id(i));
        return ids;
    }
};

TEST_F(CatchesTest, OneFishWithoutBaitIsStoredWithOneLinkRow) {
    InMemoryCatchForm form;
    form.fish = {7};
    const int id = Insert(form);
    EXPECT_EQ(Column(id, "ID_POISSON"), "7");
    EXPECT_EQ(Column(id, "ID_ESCHE"), "-1");
    EXPECT_EQ(Links("PRISE_POISSONS", "ID_POISSON", id), "7");
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM PRISE_ESCHES WHERE ID_PRISE=%1").arg(id)),
              "0");
    EXPECT_EQ(Column(id, "DATE_PRISE"), "2007-05-12 14:30:00");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(CatchesTest, SeveralFishAreListedInLinkOrderAndCanGoBackToOne) {
    InMemoryCatchForm form;
    form.fish = {7, 9};
    form.baits = {3, 4};
    const int id = Insert(form);
    EXPECT_EQ(Column(id, "ID_POISSON"), "999999");
    EXPECT_EQ(Column(id, "ID_ESCHE"), "999999");
    EXPECT_EQ(Links("PRISE_POISSONS", "ID_POISSON", id), "7,9");
    EXPECT_EQ(Links("PRISE_ESCHES", "ID_ESCHE", id), "3,4");

    InMemoryList list;
    EXPECT_TRUE(Db().FillCatchList(list));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(0), "12/05/2007 - A, B");
    EXPECT_EQ(list.Id(0), id);

    form.fish = {9, 7};
    EXPECT_TRUE(Db().UpdateCatch(form, id));
    EXPECT_TRUE(Db().FillCatchList(list));
    EXPECT_EQ(list.Text(0), "12/05/2007 - B, A");

    form.fish = {9};
    form.baits = {};
    EXPECT_TRUE(Db().UpdateCatch(form, id));
    EXPECT_EQ(Column(id, "ID_POISSON"), "9");
    EXPECT_EQ(Column(id, "ID_ESCHE"), "-1");
    EXPECT_EQ(Links("PRISE_POISSONS", "ID_POISSON", id), "9");
    EXPECT_EQ(Links("PRISE_ESCHES", "ID_ESCHE", id), "");
    EXPECT_TRUE(Db().FillCatchList(list));
    EXPECT_EQ(list.Text(0), "12/05/2007 - B");
}

TEST_F(CatchesTest, LoadHandsEveryValueBack) {
    InMemoryCatchForm form;
    form.moment = QStringLiteral("03/02/2007 07:05:00");
    form.fish = {7, 9};
    form.baits = {5};
    const CatchReference refs[] = {CatchReference::Place,         CatchReference::Groundbait,
                                   CatchReference::Rig,           CatchReference::Technique,
                                   CatchReference::Weather,       CatchReference::Wind,
                                   CatchReference::WindDirection, CatchReference::Moon,
                                   CatchReference::WaterColour,   CatchReference::Tide};
    int value = 100;
    for (const CatchReference r : refs) form.references[r] = value++;
    form.weight = 2.5;
    form.size = 60;
    form.number = 3;
    form.airTemperature = -4;
    form.waterTemperature = 8;
    form.tideCoefficient = 95;
    form.comment = QStringLiteral("NULL");  // typed by the angler, not SQL
    form.photo = QStringLiteral("prise.jpg");
    form.gps = QStringLiteral("now()");
    const int id = Insert(form);

    InMemoryCatchForm loaded;
    loaded.moment.clear();
    EXPECT_TRUE(Db().LoadCatch(loaded, id));
    EXPECT_EQ(loaded.moment, "03/02/2007 07:05:00");
    EXPECT_EQ(loaded.fish, (std::vector<int>{7, 9}));
    EXPECT_EQ(loaded.baits, (std::vector<int>{5}));
    value = 100;
    for (const CatchReference r : refs) EXPECT_EQ(loaded.Reference(r), value++);
    EXPECT_DOUBLE_EQ(loaded.weight, 2.5);
    EXPECT_EQ(loaded.size, 60);
    EXPECT_EQ(loaded.number, 3);
    EXPECT_EQ(loaded.airTemperature, -4);
    EXPECT_EQ(loaded.waterTemperature, 8);
    EXPECT_EQ(loaded.tideCoefficient, 95);
    EXPECT_EQ(loaded.comment, "NULL");
    EXPECT_EQ(loaded.photo, "prise.jpg");
    EXPECT_EQ(loaded.gps, "now()");
}

TEST_F(CatchesTest, CatchWithoutBaitReadsAsNoneAndStaysSoAfterSaving) {
    InMemoryCatchForm form;
    form.fish = {7};
    const int id = Insert(form);
    InMemoryCatchForm loaded;
    EXPECT_TRUE(Db().LoadCatch(loaded, id));
    EXPECT_EQ(loaded.baits, (std::vector<int>{-1}));
    // The dialog hands back what it was given: still no bait, no link row.
    EXPECT_TRUE(Db().UpdateCatch(loaded, id));
    EXPECT_EQ(Column(id, "ID_ESCHE"), "-1");
    EXPECT_EQ(Links("PRISE_ESCHES", "ID_ESCHE", id), "");
}

TEST_F(CatchesTest, WeightKeepsItsGramsThroughInsertAndUpdate) {
    InMemoryCatchForm form;
    form.fish = {7};
    form.weight = 1.234;
    const int id = Insert(form);
    EXPECT_DOUBLE_EQ(Column(id, "POIDS_POISSON").toDouble(), 1.234);

    InMemoryCatchForm loaded;
    EXPECT_TRUE(Db().LoadCatch(loaded, id));
    EXPECT_DOUBLE_EQ(loaded.weight, 1.234);
    loaded.comment = QStringLiteral("changé");
    EXPECT_TRUE(Db().UpdateCatch(loaded, id));
    EXPECT_DOUBLE_EQ(Column(id, "POIDS_POISSON").toDouble(), 1.234);
    EXPECT_EQ(Column(id, "COMMENTAIRE"), QStringLiteral("changé"));

    loaded.weight = 0.0005;  // half a gram rounds to one
    EXPECT_TRUE(Db().UpdateCatch(loaded, id));
    EXPECT_DOUBLE_EQ(Column(id, "POIDS_POISSON").toDouble(), 0.001);
}

TEST_F(CatchesTest, NullWeightReadsAsZero) {
    Exec(
        QStringLiteral("INSERT INTO PRISES (DATE_PRISE, ID_POISSON, ID_ESCHE) VALUES "
                       "('2007-05-12 14:30:00', 7, -1)"));
    InMemoryCatchForm loaded;
    loaded.weight = 9.0;
    EXPECT_TRUE(Db().LoadCatch(loaded, Scalar("SELECT MAX(ID) FROM PRISES").toInt()));
    EXPECT_EQ(loaded.weight, 0.0);
    EXPECT_EQ(loaded.number, 0);
}

TEST_F(CatchesTest, EmptyLogGivesAnEmptyListWithoutSelection) {
    InMemoryList list;
    list.Append(QStringLiteral("ancien"), 1);
    EXPECT_TRUE(Db().FillCatchList(list));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.selected, -1);
}

TEST_F(CatchesTest, UnfilteredListHoldsEveryCatchByIdentifierAndSelectsTheFirst) {
    InMemoryCatchForm form;
    form.fish = {7};
    form.moment = QStringLiteral("01/06/2008 10:00:00");
    const int first = Insert(form);
    form.moment = QStringLiteral("01/01/2001 10:00:00");
    form.fish = {9};
    const int second = Insert(form);
    InMemoryList list;
    EXPECT_TRUE(Db().FillCatchList(list));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Id(0), first);
    EXPECT_EQ(list.Text(0), "01/06/2008 - A");
    EXPECT_EQ(list.Id(1), second);
    EXPECT_EQ(list.Text(1), "01/01/2001 - B");
    EXPECT_EQ(list.selected, 0);
}

TEST_F(CatchesTest, FishAndBaitFiltersLookIntoTheSets) {
    InMemoryCatchForm form;
    form.fish = {7, 9};
    const int both = Insert(form);
    form.fish = {7};
    form.baits = {4};
    const int alone = Insert(form);

    Db().Filter().fish = 9;
    EXPECT_EQ(ListedIds(), (std::vector<int>{both}));
    Db().Filter().fish = 7;
    EXPECT_EQ(ListedIds(), (std::vector<int>{both, alone}));
    Db().Filter().fish = -1;
    Db().Filter().bait = 4;
    EXPECT_EQ(ListedIds(), (std::vector<int>{alone}));
    Db().Filter().bait = 5;
    EXPECT_TRUE(ListedIds().empty());
}

TEST_F(CatchesTest, EveryReferenceFilterNarrowsTheList) {
    struct Case {
        CatchReference reference;
        int CatchFilter::*field;
    };
    const Case cases[] = {
        {CatchReference::Groundbait, &CatchFilter::groundbait},
        {CatchReference::Rig, &CatchFilter::rig},
        {CatchReference::Technique, &CatchFilter::technique},
        {CatchReference::Place, &CatchFilter::place},
        {CatchReference::Weather, &CatchFilter::weather},
        {CatchReference::Wind, &CatchFilter::wind},
        {CatchReference::WindDirection, &CatchFilter::windDirection},
        {CatchReference::WaterColour, &CatchFilter::waterColour},
        {CatchReference::Moon, &CatchFilter::moon},
        {CatchReference::Tide, &CatchFilter::tide},
    };
    InMemoryCatchForm plain;
    plain.fish = {7};
    const int none = Insert(plain);
    std::vector<int> ids;
    int value = 40;
    for (const Case& c : cases) {
        InMemoryCatchForm form;
        form.fish = {9};
        form.references[c.reference] = value++;
        ids.push_back(Insert(form));
    }
    EXPECT_EQ(ListedIds().size(), ids.size() + 1);
    value = 40;
    for (size_t i = 0; i < std::size(cases); ++i) {
        Db().Filter() = CatchFilter();
        Db().Filter().*cases[i].field = value++;
        EXPECT_EQ(ListedIds(), (std::vector<int>{ids[i]})) << "filter " << i;
    }
    Db().Filter() = CatchFilter();
    EXPECT_EQ(ListedIds().front(), none);
}

TEST_F(CatchesTest, DeleteRemovesTheCatchAndBothKindsOfLinks) {
    InMemoryCatchForm form;
    form.fish = {7, 9};
    form.baits = {2};
    const int id = Insert(form);
    form.fish = {7};
    const int kept = Insert(form);
    EXPECT_TRUE(Db().DeleteCatch(id));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM PRISES WHERE ID=%1").arg(id)), "0");
    EXPECT_EQ(Links("PRISE_POISSONS", "ID_POISSON", id), "");
    EXPECT_EQ(Links("PRISE_ESCHES", "ID_ESCHE", id), "");
    EXPECT_EQ(Links("PRISE_POISSONS", "ID_POISSON", kept), "7");

    // A catch without bait has no bait links to delete: still a success.
    form.baits = {};
    const int noBait = Insert(form);
    EXPECT_TRUE(Db().DeleteCatch(noBait));
    EXPECT_TRUE(Messages().shown.empty());
}

// Member B deletes a catch; member A, whose window still shows it, then changes or deletes it:
// A is told the catch is gone and nothing of the log changes.
TEST_F(CatchesTest, ACatchAnotherMemberDeletedIsToldGoneAndNothingChanges) {
    const std::pair<const char*, std::function<bool(CCatchDatabase&, int)>> attempts[] = {
        {"change",
         [](CCatchDatabase& db, int id) {
             InMemoryCatchForm changed;
             changed.fish = {9};
             return db.UpdateCatch(changed, id);
         }},
        {"delete", [](CCatchDatabase& db, int id) { return db.DeleteCatch(id); }},
    };
    for (const auto& [what, attempt] : attempts) {
        InMemoryCatchForm form;
        form.fish = {7};
        const int kept = Insert(form);
        const int gone = Insert(form);
        CCatchDatabase memberB;
        ASSERT_TRUE(memberB.ConnectLike(Db()));
        ASSERT_TRUE(memberB.DeleteCatch(gone));
        const QStringList before = Values(
            "SELECT ID || ':' || ID_PRISE || ':' || PRISE_POISSONS.ID_POISSON "
            "FROM PRISES LEFT JOIN PRISE_POISSONS ON ID = ID_PRISE ORDER BY 1");
        EXPECT_FALSE(attempt(Db(), gone)) << what;
        EXPECT_EQ(Messages().Texts(),
                  QStringList{"Cette prise n'existe plus : elle a été supprimée entre-temps."})
            << what;
        EXPECT_EQ(Values("SELECT ID || ':' || ID_PRISE || ':' || PRISE_POISSONS.ID_POISSON "
                         "FROM PRISES LEFT JOIN PRISE_POISSONS ON ID = ID_PRISE ORDER BY 1"),
                  before)
            << what;
        EXPECT_EQ(Links("PRISE_POISSONS", "ID_POISSON", kept), "7") << what;
        Messages().Clear();
    }
}

TEST_F(CatchesTest, LinkOperationsReadWriteAndDelete) {
    std::vector<int> ids = {1};
    EXPECT_TRUE(Db().ReadCatchLinks(42, Table::Fish, ids));
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(Db().WriteCatchLinks(42, Table::Baits, {8, 70000, 3}));
    EXPECT_TRUE(Db().ReadCatchLinks(42, Table::Baits, ids));
    EXPECT_EQ(ids, (std::vector<int>{8, 70000, 3}));  // full 32-bit identifiers
    EXPECT_TRUE(Db().WriteCatchLinks(42, Table::Baits, {5}));
    EXPECT_TRUE(Db().ReadCatchLinks(42, Table::Baits, ids));
    EXPECT_EQ(ids, (std::vector<int>{5}));
    EXPECT_TRUE(Db().DeleteCatchLinks(42, Table::Baits));
    EXPECT_TRUE(Db().ReadCatchLinks(42, Table::Baits, ids));
    EXPECT_TRUE(ids.empty());
    EXPECT_FALSE(Db().ReadCatchLinks(42, Table::Places, ids));
}

TEST_F(CatchesTest, RefusesTypedTextsThatDoNotFit) {
    InMemoryCatchForm form;
    form.fish = {7};
    form.gps = QString(21, QLatin1Char('4'));
    int id = -1;
    EXPECT_FALSE(Db().InsertCatch(form, id));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text,
              QStringLiteral("Les coordonnées GPS ne doivent pas dépasser 20 caractères !"));
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM PRISES"), "0");
    Messages().Clear();

    form.gps = QString(20, QLatin1Char('4'));
    id = Insert(form);
    form.comment = QStringLiteral("avant") + QChar(0) + QStringLiteral("après");
    EXPECT_FALSE(Db().UpdateCatch(form, id));
    EXPECT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Column(id, "COMMENTAIRE"), "");
    EXPECT_EQ(Column(id, "COORD_GPS"), QString(20, QLatin1Char('4')));
}

}  // namespace

TEST_F(CatchesTest, StretchesReadEitherWayMakeUpTheWholeList) {
    for (int i = 0; i < 14; ++i) {
        InMemoryCatchForm form;
        form.moment = QStringLiteral("%1/03/2010 08:00:00").arg(i + 1, 2, 10, QChar(u'0'));
        form.fish = i % 3 == 0 ? std::vector<int>{9, 7} : std::vector<int>{i % 2 == 0 ? 7 : 9};
        const int id = Insert(form);
        // Freed identifiers leave gaps that a stretch must step over.
        if (i % 5 == 2) {
            EXPECT_TRUE(Db().DeleteCatch(id));
        }
    }
    for (const int fishFilter : {-1, 9}) {
        Db().Filter().fish = fishFilter;
        InMemoryList whole;
        ASSERT_TRUE(Db().FillCatchList(whole));
        ASSERT_GT(whole.Count(), 6);
        for (const ListSide side : {ListSide::After, ListSide::Before}) {
            std::vector<std::pair<QString, int>> read;
            int from = side == ListSide::After ? std::numeric_limits<int>::min()
                                               : std::numeric_limits<int>::max();
            for (ListStretch stretch; !stretch.atEnd || read.empty();) {
                ASSERT_TRUE(Db().ReadCatchRows(from, side, 3, stretch));
                ASSERT_LE(stretch.rows.size(), 3u);
                std::vector<std::pair<QString, int>> rows;
                for (const ListRow& row : stretch.rows) rows.emplace_back(row.text, row.id);
                read.insert(side == ListSide::After ? read.end() : read.begin(), rows.begin(),
                            rows.end());
                if (!stretch.rows.empty())
                    from = side == ListSide::After ? rows.back().second : rows.front().second;
                ASSERT_LE(read.size(), whole.rows.size());
            }
            EXPECT_EQ(read, whole.rows) << "filter " << fishFilter;
        }
    }
}
