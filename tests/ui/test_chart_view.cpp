// The "GRAPHIQUES" category as the angler uses it: the list of charts, a chart counted off the
// window's thread, its filters, its table copied with Ctrl+C and its picture saved.
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

#include "catalog/CatalogKind.h"
#include "catalog/ChartTable.h"
#include "tests/support/TestCatchLog.h"
#include "ui/panels/ChartFilterBar.h"
#include "ui/panels/ChartLoader.h"
#include "ui/panels/ChartPanel.h"
#include "ui/view/BrevaneView.h"
#include "ui/view/ListTargets.h"
#include "widgets/ColorLabel.h"

namespace {

class ChartViewTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        pike = AddCatalogRow("POISSONS", "BROCHET");
        const int roach = AddCatalogRow("POISSONS", "GARDON");
        const int lake = AddCatalogRow("LIEUX", "LAC BLEU");
        AddCatch("2024-01-15 06:30:00", lake, pike);
        AddCatch("2024-03-02 18:45:00", lake, roach);
        AddCatch("2024-03-09 08:00:00", lake, roach);
        view = std::make_unique<CBrevaneView>(Db());
        view->resize(800, 560);
        view->show();
        view->SetCategory(Category::Charts);
        Panel().Loader().WaitForDone();
    }
    CChartPanel& Panel() { return view->ChartPanel(); }
    QStringList Labels() {
        QStringList labels;
        for (const ChartRow& row : Panel().Data().rows) labels << row.label;
        return labels;
    }

    int pike = 0;
    std::unique_ptr<CBrevaneView> view;
};

TEST_F(ChartViewTest, CategoryListsTheChartsAndShowsTheFirstInFrench) {
    EXPECT_EQ(QStringLiteral("GRAPHIQUES"), view->TitleLabel().text());
    EXPECT_EQ(18, view->NavigationList().count());
    EXPECT_EQ(QStringLiteral("Prises par mois"), view->NavigationList().item(0)->text());
    EXPECT_TRUE(Panel().isVisible());
    EXPECT_EQ(QStringList({"janv. 2024", "févr. 2024", "mars 2024"}), Labels());
    QChart* chart = Panel().ChartView().chart();
    ASSERT_NE(nullptr, chart);
    auto* axis = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_NE(nullptr, axis);
    EXPECT_EQ(Labels(), axis->categoriesLabels());
    EXPECT_EQ(QStringLiteral("Mois"), axis->titleText());
}

TEST_F(ChartViewTest, FilterChangeIsCountedOffTheWindowThread) {
    QComboBox& species = Panel().Filters().SpeciesCombo();
    SelectComboId(species, pike);
    // The answer comes later: the window went on at once, saying it is counting.
    EXPECT_TRUE(Panel().Loader().IsBusy());
    EXPECT_EQ(QStringLiteral("Calcul en cours…"), Panel().Status().text());
    Panel().Loader().WaitForDone();
    EXPECT_EQ(QStringList({"janv. 2024"}), Labels());
    EXPECT_TRUE(Panel().Status().text().isEmpty());
}

TEST_F(ChartViewTest, CtrlCCopiesTheWholeTableWithTabs) {
    QApplication::clipboard()->clear();
    QTableWidget& table = Panel().Table();
    EXPECT_EQ(3, table.rowCount());
    table.setFocus();
    table.setCurrentCell(1, 1);
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QStringLiteral("Mois\tPrises\tPoissons\njanv. 2024\t1\t1\nfévr. 2024\t0\t0\n"
                             "mars 2024\t2\t2\n"),
              QApplication::clipboard()->text());
}

TEST_F(ChartViewTest, ImageIsSavedAsPngOrSvg) {
    const QString png = DataDir() + "graphique.png";
    const QString svg = DataDir() + "graphique.SVG";
    ASSERT_TRUE(Panel().SaveImage(png));
    ASSERT_TRUE(Panel().SaveImage(svg));
    const QImage picture(png, "PNG");
    EXPECT_EQ(Panel().ChartView().size(), picture.size());
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(drawing.readAll());
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("<title>Prises par mois</title>"));
    EXPECT_TRUE(text.contains("mars 2024"));
    // A folder that does not exist takes nothing and says so.
    EXPECT_FALSE(Panel().SaveImage(DataDir() + "absent/graphique.png"));
}

TEST_F(ChartViewTest, ChartTextFollowsTheStatisticsFontSize) {
    Panel().SetTextFontHeight(21);
    QChart* chart = Panel().ChartView().chart();
    EXPECT_EQ(21, chart->axes(Qt::Horizontal).value(0)->labelsFont().pixelSize());
    EXPECT_EQ(StyledFont(21, false).family(),
              chart->axes(Qt::Vertical).value(0)->labelsFont().family());
    EXPECT_EQ(25, chart->titleFont().pixelSize());
}

}  // namespace
