// The main view's navigation list: names in French order, long rows shown whole, and the
// catch list after one catch changed matching a full refill.
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "tests/support/TestCatchLog.h"
#include "ui/view/BrevaneView.h"
#include "ui/view/CatchRowUpdate.h"
#include "ui/view/ListTargets.h"
#include "widgets/NavigationList.h"

namespace {

QStringList Texts(const CNavigationList& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.RowText(row);
    return texts;
}

}  // namespace

class NavigationListTest : public TestCatchLog {
protected:
    CBrevaneView& ShownView() {
        m_view = std::make_unique<CBrevaneView>(Db());
        m_view->resize(800, 560);
        m_view->show();
        QApplication::processEvents();
        return *m_view;
    }

    std::unique_ptr<CBrevaneView> m_view;
};

TEST_F(NavigationListTest, NamesFollowFrenchOrderInCataloguesAndAlbums) {
    const QStringList stored = {QStringLiteral("RIVIERE"), QStringLiteral("ÉTANG DU MOULIN"),
                                QStringLiteral("LAC"), QStringLiteral("ETANG NEUF"),
                                QStringLiteral("écluse")};
    const QStringList french = {QStringLiteral("écluse"), QStringLiteral("ÉTANG DU MOULIN"),
                                QStringLiteral("ETANG NEUF"), QStringLiteral("LAC"),
                                QStringLiteral("RIVIERE")};
    const std::pair<Category, QString> lists[] = {
        {Category::Places, QStringLiteral("LIEUX")},
        {Category::Techniques, QStringLiteral("TECHNIQUES")},
        {Category::Albums, QStringLiteral("ALBUMS")}};
    for (const auto& [kind, table] : lists) {
        for (const QString& name : stored)
            Exec(QStringLiteral("INSERT INTO %1 (LIBELLE) VALUES ('%2')").arg(table, name));
    }
    CBrevaneView& v = ShownView();
    for (const auto& [kind, table] : lists) {
        v.SetCategory(kind);
        EXPECT_EQ(Texts(v.NavigationList()), french) << table.toStdString();
        EXPECT_EQ(v.NavigationList().currentRow(), 0);
    }
}

TEST_F(NavigationListTest, ARowSelectedWithoutBecomingCurrentIsTheSelectedOne) {
    // A screen reader's select action changes the selection, not the current row.
    for (const char* name : {"LAC", "RIVIERE", "ETANG"})
        AddCatalogRow(QStringLiteral("LIEUX"), QString::fromLatin1(name));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Places);
    CNavigationList& list = v.NavigationList();
    list.selectionModel()->select(list.model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
    ASSERT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.SelectedId(), list.RowId(2));
}

TEST_F(NavigationListTest, LongestRowShowsWholeAndTheListScrollsSideways) {
    const int trout =
        AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("TRUITE ARC-EN-CIEL"));
    const int pike = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BROCHET"));
    const int place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("LAC"));
    const int several = AddCatch(QStringLiteral("2022-07-12 10:00:00"), place, 999999);
    for (const int fish : {trout, pike}) {
        Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_POISSON, ID_PRISE) VALUES (%1, %2)")
                 .arg(fish)
                 .arg(several));
    }
    AddCatch(QStringLiteral("2022-07-13 10:00:00"), place, pike);  // the last row is short

    CBrevaneView& v = ShownView();
    CNavigationList& list = v.NavigationList();
    list.doItemsLayout();
    const QModelIndex longRow = list.model()->index(0, 0);
    ASSERT_EQ(list.RowText(0), QStringLiteral("12/07/2022 - TRUITE ARC-EN-CIEL, BROCHET"));
    const int textWidth = list.fontMetrics().horizontalAdvance(list.RowText(0));
    ASSERT_GT(textWidth, list.viewport()->width());
    EXPECT_GE(list.visualRect(longRow).width(), textWidth);
    EXPECT_GE(list.horizontalScrollBar()->maximum(), textWidth - list.viewport()->width());
    // The other categories start again from their own widest row.
    v.SetCategory(Category::Places);
    list.doItemsLayout();
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
}

TEST_F(NavigationListTest, KeysAndScrollingReadTheCatchesTheyReach) {
    const int fish = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BROCHET"));
    std::vector<int> ids;
    for (int day = 1; day <= 28; ++day)
        ids.push_back(
            AddCatch(QStringLiteral("2022-02-%1 07:00:00").arg(day, 2, 10, QChar(u'0')), -1, fish));
    CNavigationList list;
    list.resize(200, 60);
    list.show();
    ShowCatchList(Db(), list, 4);
    ASSERT_EQ(list.count(), 4);
    ASSERT_EQ(list.SelectedId(), ids.front());

    // Scrolled to its top, the list reads the rows before, and what was on screen stays there.
    ASSERT_TRUE(list.SelectId(ids[14]));
    QApplication::processEvents();
    QScrollBar& bar = *list.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);
    const int firstHeld = list.RowId(0);
    const int held = list.count();
    bar.setValue(bar.maximum());
    bar.setValue(bar.minimum());
    EXPECT_GT(list.count(), held);
    EXPECT_EQ(list.RowId(list.indexAt(QPoint(1, 1)).row()), firstHeld);

    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.SelectedId(), ids.back());
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.SelectedId(), ids.front());
    for (std::size_t step = 1; step < ids.size(); ++step) {
        QTest::keyClick(&list, Qt::Key_Down);
        ASSERT_EQ(list.SelectedId(), ids[step]);
    }
    QTest::keyClick(&list, Qt::Key_End);
    for (std::size_t step = ids.size() - 1; step-- > 0;) {
        QTest::keyClick(&list, Qt::Key_Up);
        ASSERT_EQ(list.SelectedId(), ids[step]);
    }
}

namespace {

// A change made to the log behind the list's back, then the list's one row put right.
struct RowChange {
    const char* name;
    const char* sql;  // %1: the catch changed (a new one for "INSERT"), %2: another species
    bool fishFilter;  // the list shows only the first species
};

const RowChange kRowChanges[] = {
    {"NewCatchGoesLast",
     "INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON) "
     "VALUES ('2023-01-02 08:00:00', 1, 1)",
     false},
    {"NewDateShown", "UPDATE PRISES SET DATE_PRISE = '2021-03-04 05:06:00' WHERE ID = %1", false},
    {"OtherSpeciesLeavesFilteredList", "UPDATE PRISES SET ID_POISSON = %2 WHERE ID = %1", true},
    {"FilteredSpeciesComesBackInPlace", "UPDATE PRISES SET ID_POISSON = 1 WHERE ID = %1", true},
    {"SeveralSpeciesShown", "UPDATE PRISES SET ID_POISSON = 999999 WHERE ID = %1", false},
    {"DeletedCatchLeaves", "DELETE FROM PRISES WHERE ID = %1", false},
    {"DeletedLeavesFilteredList", "DELETE FROM PRISES WHERE ID = %1", true},
};

// The change, and whether the list was shown two rows at a time (the catch list of the view
// reads its rows by stretches) rather than filled whole.
class CatchRowUpdate : public TestCatchLog,
                       public ::testing::WithParamInterface<std::tuple<RowChange, bool>> {};

std::vector<std::pair<QString, int>> Rows(const CNavigationList& list) {
    std::vector<std::pair<QString, int>> rows;
    for (int row = 0; row < list.count(); ++row)
        rows.emplace_back(list.RowText(row), list.RowId(row));
    return rows;
}

}  // namespace

TEST_P(CatchRowUpdate, ListMatchesAFullRefill) {
    const RowChange& change = std::get<0>(GetParam());
    const bool stretched = std::get<1>(GetParam());
    const int pike = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BROCHET"));
    const int perch = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("PERCHE"));
    const int place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("LAC"));
    int changed = -1;
    for (int day = 1; day <= 6; ++day) {
        const int id = AddCatch(QStringLiteral("2022-05-%1 07:00:00").arg(day, 2, 10, QChar(u'0')),
                                place, day % 2 == 1 ? pike : perch);
        if (day == 3) changed = id;
    }
    Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_POISSON, ID_PRISE) VALUES (%1, %3), "
                        "(%2, %3)")
             .arg(perch)
             .arg(pike)
             .arg(changed));
    if (change.fishFilter) Db().Filter().fish = pike;
    // The filtered list must have the changed catch in or out, whichever the change does.
    if (QString(change.name).startsWith("FilteredSpecies"))
        Exec(QStringLiteral("UPDATE PRISES SET ID_POISSON = %1 WHERE ID = %2")
                 .arg(perch)
                 .arg(changed));

    CNavigationList shown;
    CNavigationListTarget shownTarget(shown);
    if (stretched) {
        ShowCatchList(Db(), shown, 2);
        // The catch to change is selected, as in the view; the list holds a few rows around it.
        shown.SelectId(changed);
        ASSERT_LT(shown.count(), 6);
    } else {
        ASSERT_TRUE(Db().FillCatchList(shownTarget));
    }
    const QString sql = QString::fromUtf8(change.sql);
    Exec(
        QString(sql).replace("%1", QString::number(changed)).replace("%2", QString::number(perch)));
    if (sql.startsWith("INSERT")) changed = ScalarInt(QStringLiteral("SELECT MAX(ID) FROM PRISES"));
    ASSERT_TRUE(UpdateCatchRow(Db(), shown, changed));
    // Every row read, as a full fill holds them; the selection follows its row.
    shown.Rows().FetchAll();

    CNavigationList refilled;
    CNavigationListTarget refilledTarget(refilled);
    ASSERT_TRUE(Db().FillCatchList(refilledTarget));
    refilled.SelectId(changed);
    EXPECT_EQ(Rows(shown), Rows(refilled));
    EXPECT_EQ(shown.currentRow(), refilled.currentRow());
    EXPECT_EQ(shown.selectionModel()->selectedIndexes().size(),
              refilled.selectionModel()->selectedIndexes().size());
}

INSTANTIATE_TEST_SUITE_P(Changes, CatchRowUpdate,
                         ::testing::Combine(::testing::ValuesIn(kRowChanges), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_Stretched" : "");
                         });
