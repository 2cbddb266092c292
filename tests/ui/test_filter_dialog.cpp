#include <QComboBox>
#include <QPushButton>

#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/CatchFilterDialog.h"
#include "ui/view/ListTargets.h"

namespace {

QComboBox& Combo(CCatchFilterDialog& dialog, const char* name) {
    return *dialog.findChild<QComboBox*>(QString::fromLatin1(name));
}

class FilterDialogTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_carpe = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
        m_bar = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BAR"));
        m_etang = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
        m_tide = ScalarInt(QStringLiteral("SELECT MIN(ID) FROM MAREES"));
    }
    int m_carpe = -1, m_bar = -1, m_etang = -1, m_tide = -1;
};

TEST_F(FilterDialogTest, OpensOnAnEmptyFilterWithTwelveLists) {
    CCatchFilterDialog dialog(Db());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Recherche de une ou plusieurs prises"));
    const QList<QComboBox*> combos = dialog.findChildren<QComboBox*>();
    EXPECT_EQ(combos.size(), 12);
    for (QComboBox* combo : combos) {
        EXPECT_EQ(SelectedId(*combo), -1) << combo->objectName().toStdString();
        EXPECT_EQ(combo->currentText(), QStringLiteral("-- PAS DE SELECTION --"));
        EXPECT_FALSE(combo->accessibleName().isEmpty());
    }
    EXPECT_EQ(Combo(dialog, "fishCombo").itemText(1), QStringLiteral("BAR"));
    auto* filter = dialog.findChild<QPushButton*>(QStringLiteral("filterButton"));
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->text(), QStringLiteral("Filtrer"));
}

TEST_F(FilterDialogTest, KeepsItsConditionsBetweenTwoOpenings) {
    {
        CCatchFilterDialog dialog(Db());
        SelectComboId(Combo(dialog, "fishCombo"), m_carpe);
        SelectComboId(Combo(dialog, "placeCombo"), m_etang);
        SelectComboId(Combo(dialog, "tideCombo"), m_tide);
        dialog.accept();
    }
    EXPECT_EQ(Db().Filter().fish, m_carpe);
    EXPECT_EQ(Db().Filter().place, m_etang);
    EXPECT_EQ(Db().Filter().tide, m_tide);
    EXPECT_EQ(Db().Filter().bait, -1);

    CCatchFilterDialog again(Db());
    EXPECT_EQ(SelectedId(Combo(again, "fishCombo")), m_carpe);
    EXPECT_EQ(Combo(again, "fishCombo").currentText(), QStringLiteral("CARPE"));
    EXPECT_EQ(SelectedId(Combo(again, "placeCombo")), m_etang);
    EXPECT_EQ(SelectedId(Combo(again, "tideCombo")), m_tide);
    EXPECT_EQ(SelectedId(Combo(again, "moonCombo")), -1);

    // Clearing a condition is choosing "-- PAS DE SELECTION --".
    SelectComboId(Combo(again, "fishCombo"), -1);
    again.accept();
    EXPECT_EQ(Db().Filter().fish, -1);
    EXPECT_EQ(Db().Filter().place, m_etang);
}

TEST_F(FilterDialogTest, AnnulerLeavesTheFilterAlone) {
    Db().Filter().bait = 12345;
    CCatchFilterDialog dialog(Db());
    SelectComboId(Combo(dialog, "fishCombo"), m_bar);
    dialog.reject();
    EXPECT_EQ(Db().Filter().fish, -1);
    EXPECT_EQ(Db().Filter().bait, 12345);
}

TEST_F(FilterDialogTest, ConditionOnADeletedRowShowsNoSelectionAndReadsBackAsNone) {
    Db().Filter().fish = m_bar;
    Exec(QStringLiteral("DELETE FROM POISSONS WHERE ID=%1").arg(m_bar));
    CCatchFilterDialog dialog(Db());
    EXPECT_EQ(Combo(dialog, "fishCombo").currentIndex(), -1);
    dialog.accept();
    EXPECT_EQ(Db().Filter().fish, -1);
}

}  // namespace
