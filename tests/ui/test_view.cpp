// The main view: layout, categories, button states and the selection.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "tests/support/TestCatchLog.h"
#include "ui/panels/AlbumPanel.h"
#include "ui/panels/CalendarPanel.h"
#include "ui/panels/CatalogPhotoPanel.h"
#include "ui/panels/CatalogTextPanel.h"
#include "ui/panels/CatchPanel.h"
#include "ui/panels/StatisticsPanel.h"
#include "ui/view/BrevaneView.h"
#include "ui/view/CategoryTable.h"
#include "ui/view/ListTargets.h"
#include "ui/view/ViewLayout.h"
#include "widgets/ColorLabel.h"
#include "widgets/CommandIds.h"
#include "widgets/IconButton.h"
#include "widgets/NavigationList.h"
#include "widgets/PictureStatic.h"
#include "widgets/StyledEdit.h"

namespace {
const QString kSelectRow = QString::fromUtf8("Vous devez sélectionner une ligne dans la liste !");
}

TEST(ViewLayout, QuarterForTheListThreeQuartersForThePanel) {
    const ViewGeometry g = ComputeViewLayout(QSize(800, 560), 141);
    EXPECT_EQ(g.panel, QRect(195, 5, 600, 507));
    EXPECT_EQ(g.title, QRect(5, 5, 185, 20));
    EXPECT_EQ(g.list, QRect(5, 30, 185, 482));
    EXPECT_EQ(g.search, QRect(5, 517, 185, 38));
    EXPECT_EQ(g.remove, QRect(654, 517, 141, 38));
    EXPECT_EQ(g.modify, QRect(508, 517, 141, 38));
    EXPECT_EQ(g.add, QRect(362, 517, 141, 38));
    // P = W * 75 / 100 in integers: 1001 * 75 / 100 = 750.
    const ViewGeometry odd = ComputeViewLayout(QSize(1001, 700), 100);
    EXPECT_EQ(odd.panel, QRect(246, 5, 750, 647));
    EXPECT_EQ(odd.list.width(), 236);
    EXPECT_EQ(odd.add.left(), 1001 - 300 - 15);
}

TEST(CategoryTable, EveryCategoryCommandHasItsKindAndTitle) {
    const std::pair<int, Category> commands[] = {
        {CommandId::ShowCatches, Category::Catches},
        {CommandId::ShowCalendar, Category::Calendar},
        {CommandId::ShowAlbums, Category::Albums},
        {CommandId::ShowFish, Category::Fish},
        {CommandId::ShowPlaces, Category::Places},
        {CommandId::ShowBaits, Category::Baits},
        {CommandId::ShowGroundbaits, Category::Groundbaits},
        {CommandId::ShowRigs, Category::Rigs},
        {CommandId::ShowWeather, Category::Weather},
        {CommandId::ShowWinds, Category::Winds},
        {CommandId::ShowWindDirections, Category::WindDirections},
        {CommandId::ShowTides, Category::Tides},
        {CommandId::ShowWaterColours, Category::WaterColours},
        {CommandId::ShowMoons, Category::Moons},
        {CommandId::ShowTechniques, Category::Techniques},
        {CommandId::ShowRecords, Category::Records}};
    for (const auto& [command, kind] : commands) {
        const CategoryInfo* info = CategoryForCommand(command);
        ASSERT_NE(info, nullptr) << command;
        EXPECT_EQ(info->kind, kind);
    }
    EXPECT_EQ(CategoryForCommand(CommandId::Preferences), nullptr);
    EXPECT_EQ(CategoryTitle(Category::WaterColours), QStringLiteral("COULEURS DE L'EAU"));
    EXPECT_EQ(CategoryTitle(Category::Records), QStringLiteral("POISSONS PECHES"));
    EXPECT_EQ(CategoryTitle(Category::Charts), QStringLiteral("GRAPHIQUES"));
}

class ViewTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_fish = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BROCHET"),
                               QStringLiteral("Carnassier"));
        m_place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("LAC DU CHENE"));
    }

    // The view as the frame shows it: 800 x 560 client area, visible.
    CBrevaneView& ShownView() {
        m_view = std::make_unique<CBrevaneView>(Db());
        m_view->resize(800, 560);
        m_view->show();
        return *m_view;
    }

    static QWidget* VisiblePanel(CBrevaneView& v) {
        QWidget* visible = nullptr;
        int count = 0;
        for (QWidget* p : std::initializer_list<QWidget*>{
                 &v.CatchPanel(), &v.CalendarPanel(), &v.CatalogPhotoPanel(), &v.CatalogTextPanel(),
                 &v.StatisticsPanel(), &v.AlbumPanel()}) {
            if (p->isVisible()) {
                visible = p;
                ++count;
            }
        }
        return count == 1 ? visible : nullptr;
    }

    int m_fish = -1;
    int m_place = -1;
    std::unique_ptr<CBrevaneView> m_view;
};

TEST_F(ViewTest, ControlsFollowTheLayoutTable) {
    CBrevaneView& v = ShownView();
    const ViewGeometry g = ComputeViewLayout(v.size());
    EXPECT_EQ(v.CatchPanel().geometry(), g.panel);
    EXPECT_EQ(v.AlbumPanel().geometry(), g.panel);
    EXPECT_EQ(v.CatchPanel().geometry(), QRect(195, 5, 600, 507));
    EXPECT_EQ(v.NavigationList().geometry(), QRect(5, 30, 185, 482));
    EXPECT_EQ(v.DeleteButton().geometry(), QRect(654, 517, 141, 38));
    EXPECT_EQ(v.AddButton().geometry().left(), 362);
    v.resize(1000, 700);
    EXPECT_EQ(v.CatchPanel().geometry(), QRect(245, 5, 750, 647));
    EXPECT_EQ(v.SearchButton().geometry(), QRect(5, 657, 235, 38));
}

TEST_F(ViewTest, StartsWithTheCatchesAndShowsTheFirstOne) {
    AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish);
    AddCatch(QStringLiteral("2007-06-01 08:00:00"), m_place, m_fish);
    CBrevaneView& v = ShownView();
    EXPECT_EQ(v.CurrentCategory(), Category::Catches);
    EXPECT_EQ(v.TitleLabel().text(), QStringLiteral("PRISES"));
    ASSERT_EQ(v.NavigationList().count(), 2);
    EXPECT_EQ(v.NavigationList().currentRow(), 0);
    EXPECT_EQ(VisiblePanel(v), &v.CatchPanel());
    EXPECT_TRUE(v.CatchPanel().SheetText().Text().contains(QStringLiteral("LAC DU CHENE")));
    // An empty picture name shows the placeholder.
    EXPECT_EQ(v.CatchPanel().Picture().PicturePath(),
              DataDir() + QStringLiteral("images/nophoto.jpg"));
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(ViewTest, SwitchingCategoryHidesThePreviousPanelAndFillsTheList) {
    AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish);
    AddCatalogRow(QStringLiteral("TEMPS"), QStringLiteral("ORAGE"), QStringLiteral("Gros grain"));
    CBrevaneView& v = ShownView();
    ASSERT_TRUE(v.CatchPanel().isVisible());

    v.SetCategory(Category::Fish);
    EXPECT_EQ(v.TitleLabel().text(), QStringLiteral("POISSONS"));
    ASSERT_EQ(v.NavigationList().count(), 1);
    EXPECT_EQ(v.NavigationList().RowId(0), m_fish);
    EXPECT_EQ(VisiblePanel(v), &v.CatalogPhotoPanel());
    EXPECT_EQ(v.CatalogPhotoPanel().Kind(), Table::Fish);
    EXPECT_EQ(v.CatalogPhotoPanel().Title().text(), QStringLiteral("BROCHET"));
    EXPECT_EQ(v.CatalogPhotoPanel().Description().Text(), QStringLiteral("Carnassier"));

    v.SetCategory(Category::Weather);
    EXPECT_EQ(v.TitleLabel().text(), QStringLiteral("TYPES DE TEMPS"));
    EXPECT_EQ(VisiblePanel(v), &v.CatalogTextPanel());
    EXPECT_EQ(v.CatalogTextPanel().Title().text(), QStringLiteral("ORAGE"));

    // Baits are empty: nothing at all is shown.
    v.SetCategory(Category::Baits);
    EXPECT_EQ(v.TitleLabel().text(), QStringLiteral("ESCHES"));
    EXPECT_EQ(v.NavigationList().count(), 0);
    EXPECT_EQ(VisiblePanel(v), nullptr);
    EXPECT_FALSE(v.CatalogTextPanel().isVisible());
    EXPECT_TRUE(Messages().shown.empty());

    v.SetCategory(Category::Records);
    EXPECT_EQ(v.TitleLabel().text(), QStringLiteral("POISSONS PECHES"));
    ASSERT_GT(v.NavigationList().count(), 0);
    EXPECT_EQ(VisiblePanel(v), &v.StatisticsPanel());

    v.SetCategory(Category::Calendar);
    EXPECT_EQ(v.TitleLabel().text(), QStringLiteral("CALENDRIER"));
    // The month list always holds the current month.
    ASSERT_GT(v.NavigationList().count(), 0);
    EXPECT_EQ(VisiblePanel(v), &v.CalendarPanel());
}

TEST_F(ViewTest, ButtonsFollowTheCategory) {
    CBrevaneView& v = ShownView();
    auto states = [&v] {
        return std::vector<bool>{v.SearchButton().isEnabled(), v.AddButton().isEnabled(),
                                 v.ModifyButton().isEnabled(), v.DeleteButton().isEnabled()};
    };
    EXPECT_EQ(states(), (std::vector<bool>{true, true, true, true}));
    v.SetCategory(Category::Records);
    EXPECT_EQ(states(), (std::vector<bool>{false, false, false, false}));
    for (const Category kind : {Category::Calendar, Category::Fish, Category::Rigs,
                                Category::Weather, Category::Techniques, Category::Albums}) {
        v.SetCategory(kind);
        EXPECT_EQ(states(), (std::vector<bool>{false, true, true, true})) << NumberOf(kind);
    }
    v.SetCategory(Category::Catches);
    EXPECT_EQ(states(), (std::vector<bool>{true, true, true, true}));
}

TEST_F(ViewTest, UserSelectionShowsTheChosenRow) {
    const int second = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("SANDRE"),
                                     QStringLiteral("Percidé"));
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Fish);
    ASSERT_EQ(v.NavigationList().count(), 2);
    const int row = v.NavigationList().RowId(0) == second ? 0 : 1;
    v.NavigationList().setCurrentRow(row);
    EXPECT_EQ(v.CatalogPhotoPanel().Title().text(), QStringLiteral("SANDRE"));

    // SelectRowById selects without refilling; ShowSelection then shows it.
    v.SelectRowById(m_fish);
    v.ShowSelection();
    EXPECT_EQ(v.CatalogPhotoPanel().Title().text(), QStringLiteral("BROCHET"));
    v.SelectRowById(424242);  // no such row: nothing changes
    EXPECT_EQ(v.NavigationList().RowId(v.NavigationList().currentRow()), m_fish);
}

// "Actualiser" and the window's activation read the list again only when another program or
// member committed a change, and keep the catch shown.
TEST_F(ViewTest, RefreshFillsAnewOnlyAfterAnotherConnectionsChangeAndKeepsTheSelection) {
    AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish);
    const int second = AddCatch(QStringLiteral("2007-06-01 08:00:00"), m_place, m_fish);
    CBrevaneView& v = ShownView();
    v.SelectRowById(second);
    v.ShowSelection();
    Exec(QStringLiteral("UPDATE LIEUX SET LIBELLE='ETANG' WHERE ID=%1").arg(m_place));
    v.RefreshIfChanged();  // the window's own connection wrote: nothing read again
    EXPECT_TRUE(v.CatchPanel().SheetText().Text().contains(QStringLiteral("LAC DU CHENE")));

    CDbConnection other;
    ASSERT_TRUE(other.ConnectLike(Db()));
    other.ExecuteDirect(QStringLiteral("INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON) "
                                       "VALUES ('2008-01-01 08:00:00', %1, %2)")
                            .arg(m_place)
                            .arg(m_fish));
    v.RefreshIfChanged();
    EXPECT_EQ(v.NavigationList().count(), 3);
    EXPECT_EQ(v.NavigationList().SelectedId(), second);
    EXPECT_TRUE(v.CatchPanel().SheetText().Text().contains(QStringLiteral("ETANG")));
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(ViewTest, ShowSelectionWithoutSelectedRowWarns) {
    CBrevaneView& v = ShownView();
    v.SetCategory(Category::Fish);
    v.NavigationList().clearSelection();
    Messages().Clear();
    v.ShowSelection();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, kSelectRow);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(ViewTest, EscapeLeavesThePanelVisible) {
    AddCatch(QStringLiteral("2007-05-12 14:30:00"), m_place, m_fish);
    CBrevaneView& v = ShownView();
    ASSERT_TRUE(v.CatchPanel().isVisible());
    v.CatchPanel().SheetText().setFocus();
    QTest::keyClick(&v.CatchPanel().SheetText(), Qt::Key_Escape);
    EXPECT_TRUE(v.CatchPanel().isVisible());
}

TEST_F(ViewTest, FontOptionsReachEveryPanelText) {
    CBrevaneView& v = ShownView();
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("TAILLE_POLICE_PRISE"), 15));
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("TAILLE_POLICE_DIVERS"), 18));
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("TAILLE_POLICE_STATISTIQUES"), 21));
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("HAUTEUR_IMAGE_PRISE"), 50));
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("HAUTEUR_COMMENTAIRE_PRISE"), 10));
    const QSize panelSize = v.CatchPanel().size();
    v.ApplyFontOptions();
    EXPECT_EQ(v.CatchPanel().size(), panelSize);
    EXPECT_EQ(v.CatchPanel().SheetText().font().pixelSize(), 15);
    EXPECT_EQ(v.CatchPanel().CommentText().font().pixelSize(), 15);
    EXPECT_EQ(v.CatalogPhotoPanel().Description().font().pixelSize(), 18);
    EXPECT_EQ(v.CatalogTextPanel().Description().font().pixelSize(), 18);
    EXPECT_EQ(v.StatisticsPanel().RecordsText().font().pixelSize(), 21);
    EXPECT_TRUE(v.StatisticsPanel().RecordsText().font().bold());
    EXPECT_EQ(v.CatchPanel().Picture().height(), panelSize.height() * 50 / 100);
    EXPECT_EQ(v.CatchPanel().CommentText().height(), panelSize.height() * 10 / 100);
}

TEST_F(ViewTest, AlbumMenuOnlyInTheAlbumsCategoryAndInsideTheList) {
    Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('PRINTEMPS')"));
    CBrevaneView& v = ShownView();
    const QPoint inside = v.NavigationList().rect().center();
    EXPECT_FALSE(v.OfferAlbumMenu(inside));  // catches category

    v.SetCategory(Category::Albums);
    ASSERT_EQ(v.NavigationList().count(), 1);
    EXPECT_EQ(VisiblePanel(v), &v.AlbumPanel());
    EXPECT_FALSE(v.OfferAlbumMenu(QPoint(-3, inside.y())));

    QStringList offered;
    QTimer::singleShot(50, [&offered] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions()) offered << a->text();
            menu->close();
        }
    });
    EXPECT_TRUE(v.OfferAlbumMenu(inside));
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Ajouter..."), QStringLiteral("Modifier..."),
                                    QStringLiteral("Supprimer...")}));
}

TEST_F(ViewTest, EveryControlHasAnAccessibleName) {
    CBrevaneView& v = ShownView();
    for (QWidget* w :
         std::initializer_list<QWidget*>{&v.NavigationList(), &v.SearchButton(), &v.AddButton(),
                                         &v.ModifyButton(), &v.DeleteButton()}) {
        EXPECT_FALSE(w->accessibleName().isEmpty());
    }
    EXPECT_EQ(v.AddButton().accessibleName(), QStringLiteral("Ajouter ..."));
    EXPECT_EQ(v.SearchButton().text(), QStringLiteral("Rechercher ..."));
    EXPECT_TRUE(v.TitleLabel().font().bold());
    EXPECT_EQ(v.TitleLabel().palette().color(v.TitleLabel().backgroundRole()), QColor(202, 202, 0));
}
