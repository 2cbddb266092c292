#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include "widgets/CommandIds.h"
#include "widgets/MainFrame.h"

namespace {

// The texts of a menu's items in order, "-" for separators and "[...]" around sub-popups.
QStringList ItemTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            texts << "-";
        } else if (action->menu()) {
            texts << "[" + action->text() + "]";
        } else {
            texts << action->text();
        }
    }
    return texts;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) return action->menu();
    }
    return nullptr;
}

class MainFrameTest : public ::testing::Test {
protected:
    CMainFrame m_frame;
};

TEST_F(MainFrameTest, MenusHoldTheCommandsInOrder) {
    QStringList titles;
    for (QAction* action : m_frame.menuBar()->actions()) titles << action->text();
    EXPECT_EQ(QStringList({"&Vos prises", "&Configuration", "&Statistiques", "&?"}), titles);

    EXPECT_EQ(
        QStringList({"&Visualiser...", "-", "&Calendrier...", "&Photos...", "-", "&Sauvegarder...",
                     "&Restaurer...", "E&xporter les prises...", "&Importer des prises...",
                     "Exporter les lieux en &GPX...", "-", "&Ouvrir un carnet partagé...",
                     "Copier le carne&t vers un serveur...", "&Actualiser", "-", "&Quitter"}),
        ItemTexts(TopMenu(m_frame, "&Vos prises")));
    QMenu* setup = TopMenu(m_frame, "&Configuration");
    EXPECT_EQ(QStringList({"Les &poissons", "Les &esches", "Les &amorces", "Les m&ontages",
                           "Les &Techniques", "Les &lieux de pêche", "[&Météorologie]",
                           "Les l&unes", "La couleur de l'&eau", "La m&arée", "-", "&Préférences"}),
              ItemTexts(setup));
    QMenu* weather = setup->actions().at(6)->menu();
    EXPECT_EQ(QStringList({"Les t&ypes de temps", "Les ve&nts", "Les &directions du vent"}),
              ItemTexts(weather));
    EXPECT_EQ(QStringList({"&Vos records", "&Graphiques..."}),
              ItemTexts(TopMenu(m_frame, "&Statistiques")));
    EXPECT_EQ(QStringList({"&Aide...", "-", "A &propos de Brevane..."}),
              ItemTexts(TopMenu(m_frame, "&?")));
}

TEST_F(MainFrameTest, EveryCommandIsEmittedWithItsId) {
    QSignalSpy spy(&m_frame, &CMainFrame::commandTriggered);
    const int ids[] = {CommandId::ShowCatches,
                       CommandId::ShowFish,
                       CommandId::ShowPlaces,
                       CommandId::ShowBaits,
                       CommandId::ShowRigs,
                       CommandId::ShowWeather,
                       CommandId::ShowWinds,
                       CommandId::Preferences,
                       CommandId::ShowTechniques,
                       CommandId::ShowRecords,
                       CommandId::ShowMoons,
                       CommandId::Help,
                       CommandId::ShowGroundbaits,
                       CommandId::ShowCalendar,
                       CommandId::ShowWindDirections,
                       CommandId::ShowWaterColours,
                       CommandId::ShowTides,
                       CommandId::ShowAlbums,
                       CommandId::About,
                       CommandId::OpenSharedLog,
                       CommandId::CopyToServer,
                       CommandId::Refresh,
                       CommandId::Quit};
    for (int id : ids) {
        ASSERT_NE(nullptr, m_frame.Action(id)) << id;
        m_frame.Action(id)->trigger();
    }
    ASSERT_EQ(int(std::size(ids)), spy.count());
    for (int i = 0; i < spy.count(); ++i) EXPECT_EQ(ids[i], spy.at(i).at(0).toInt());
    EXPECT_EQ(nullptr, m_frame.Action(12345));
}

TEST_F(MainFrameTest, ToolBarHasSixteenButtonsInGroups) {
    QToolBar* bar = m_frame.ToolBar();
    ASSERT_NE(nullptr, bar);
    EXPECT_FALSE(bar->isMovable());
    EXPECT_FALSE(bar->isFloatable());
    EXPECT_EQ(QSize(32, 32), bar->iconSize());

    QStringList layout;
    int buttons = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            layout << "|";
            continue;
        }
        ++buttons;
        layout << action->toolTip();
        EXPECT_FALSE(action->icon().isNull()) << qPrintable(action->toolTip());
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(action->toolTip(), button->accessibleName());
    }
    EXPECT_EQ(16, buttons);
    EXPECT_EQ(QStringList({"Calendrier...",
                           "|",
                           "Visualiser...",
                           "|",
                           "Les poissons",
                           "Les esches",
                           "Les amorces",
                           "Les montages",
                           "Les Techniques",
                           "Les lieux de pêche",
                           "|",
                           "Les types de temps",
                           "Les vents",
                           "Les lunes",
                           "|",
                           "Préférences",
                           "|",
                           "Vos records",
                           "Graphiques...",
                           "|",
                           "Aide...",
                           "|",
                           "Quitter"}),
              layout);
}

TEST_F(MainFrameTest, MenuPicturesAreThoseOfTheToolBar) {
    EXPECT_FALSE(m_frame.Action(CommandId::ShowFish)->icon().isNull());
    EXPECT_TRUE(m_frame.Action(CommandId::ShowWindDirections)->icon().isNull());
    EXPECT_TRUE(m_frame.Action(CommandId::ShowAlbums)->icon().isNull());
    EXPECT_TRUE(m_frame.Action(CommandId::About)->icon().isNull());
    // The picture really renders (the resource is compiled in and the SVG is valid).
    const QImage fish = m_frame.Action(CommandId::ShowFish)->icon().pixmap(32, 32).toImage();
    ASSERT_FALSE(fish.isNull());
    EXPECT_GT(qAlpha(fish.pixel(16, 16)), 0);

    QMenu* setup = TopMenu(m_frame, "&Configuration");
    EXPECT_EQ(32, setup->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, setup));
    setup->popup(QPoint(0, 0));
    QTest::qWait(10);
    const QRect fishRow = setup->actionGeometry(m_frame.Action(CommandId::ShowFish));
    EXPECT_GE(fishRow.height(), 36);
    setup->hide();
    EXPECT_FALSE(m_frame.windowIcon().isNull());
}

TEST_F(MainFrameTest, MinimumSizeAndShortcuts) {
    EXPECT_EQ(QSize(800, 600), m_frame.minimumSize());
    m_frame.show();
    m_frame.resize(300, 200);
    EXPECT_GE(m_frame.width(), 800);
    EXPECT_GE(m_frame.height(), 600);
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_Q), m_frame.Action(CommandId::Quit)->shortcut());
    EXPECT_EQ(QKeySequence(Qt::Key_F1), m_frame.Action(CommandId::Help)->shortcut());
    EXPECT_EQ(QKeySequence(Qt::Key_F5), m_frame.Action(CommandId::Refresh)->shortcut());
}

// With a popup open, a key runs the first item whose text holds "&" and the key, whatever
// the case typed and even when other items share the letter.
TEST_F(MainFrameTest, PopupKeysRunTheFirstItemWithTheMnemonic) {
    QSignalSpy spy(&m_frame, &CMainFrame::commandTriggered);
    QMenu* setup = TopMenu(m_frame, "&Configuration");
    m_frame.show();
    for (char key : {'p', 'P'}) {
        setup->popup(QPoint(10, 10));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
        QTest::keyClick(setup, key);
        ASSERT_EQ(1, spy.count()) << key;
        EXPECT_EQ(CommandId::ShowFish, spy.takeFirst().at(0).toInt());
        EXPECT_FALSE(setup->isVisible());
    }
    // "e" is in "Les &esches" and "La couleur de l'&eau": the first one runs.
    setup->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
    QTest::keyClick(setup, 'e');
    ASSERT_EQ(1, spy.count());
    EXPECT_EQ(CommandId::ShowBaits, spy.takeFirst().at(0).toInt());

    // "m" opens the weather sub-popup, where "d" runs the wind directions.
    setup->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
    QTest::keyClick(setup, 'm');
    QMenu* weather = setup->actions().at(6)->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(weather));
    EXPECT_TRUE(spy.isEmpty());
    QTest::keyClick(weather, 'D');
    ASSERT_EQ(1, spy.count());
    EXPECT_EQ(CommandId::ShowWindDirections, spy.takeFirst().at(0).toInt());
    EXPECT_FALSE(setup->isVisible());

    // A key that no item holds leaves the popup open and runs nothing.
    setup->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
    QTest::keyClick(setup, 'z');
    EXPECT_TRUE(spy.isEmpty());
    EXPECT_TRUE(setup->isVisible());
    setup->hide();
}

}  // namespace
