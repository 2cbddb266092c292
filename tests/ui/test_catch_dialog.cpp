#include <functional>
#include <stdexcept>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/CatchDialog.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/view/ListTargets.h"

namespace {

const QString kSelectionRequired =
    QString::fromUtf8("La sélection dans cette liste est obligatoire !");

// Types a name into the catalogue dialog that just opened and validates it.
std::function<void(QDialog&)> EnterCatalogName(const QString& name) {
    return [name](QDialog& dialog) {
        QTest::keyClicks(&Child<QLineEdit>(dialog, "labelEdit"), name);
        Child<QPushButton>(dialog, "validateButton").click();
    };
}

class CatchDialogTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_etang = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG"));
        m_riviere = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("RIVIERE"));
        m_carpe = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
        m_bar = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("bar"));
        m_brochet = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("BROCHET"));
        m_mais = AddCatalogRow(QStringLiteral("ESCHES"), QStringLiteral("MAIS"));
        m_ver = AddCatalogRow(QStringLiteral("ESCHES"), QStringLiteral("VER"));
        m_soleil = AddCatalogRow(QStringLiteral("TEMPS"), QStringLiteral("SOLEIL"));
        m_nuage = AddCatalogRow(QStringLiteral("TEMPS"), QStringLiteral("NUAGEUX"));
    }

    // A new catch with a place and one fish chosen and the weight typed as given.
    double StoredWeightOfTyped(const QString& typed) {
        CCatchDialog dialog(Db(), -1);
        SelectComboId(Child<QComboBox>(dialog, "placeCombo"), m_etang);
        SelectListIds(Child<QListWidget>(dialog, "fishList"), {m_carpe});
        QTest::keyClicks(&Child<QLineEdit>(dialog, "weightEdit"), typed);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return Scalar(QStringLiteral("SELECT POIDS_POISSON FROM PRISES WHERE ID=%1")
                          .arg(dialog.CatchId()))
            .toDouble();
    }

    int m_etang = -1, m_riviere = -1, m_carpe = -1, m_bar = -1, m_brochet = -1;
    int m_mais = -1, m_ver = -1, m_soleil = -1, m_nuage = -1;
};

TEST_F(CatchDialogTest, NewCatchStartsWithNothingChosenAndSortedLists) {
    CCatchDialog dialog(Db(), -1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Saisie d'une nouvelle prise"));
    const QComboBox& place = Child<QComboBox>(dialog, "placeCombo");
    ASSERT_EQ(place.count(), 3);
    EXPECT_EQ(place.itemText(0), QStringLiteral("-- PAS DE SELECTION --"));
    EXPECT_EQ(place.currentIndex(), 0);
    const QListWidget& fish = Child<QListWidget>(dialog, "fishList");
    ASSERT_EQ(fish.count(), 3);
    EXPECT_EQ(fish.item(0)->text(), QStringLiteral("bar"));  // case-insensitive order
    EXPECT_EQ(fish.item(1)->text(), QStringLiteral("BROCHET"));
    EXPECT_TRUE(dialog.FishSet().empty());
    EXPECT_TRUE(dialog.BaitSet().empty());
    EXPECT_EQ(Child<QComboBox>(dialog, "tideCombo").count(), 13);  // the 12 seeded tides
    EXPECT_EQ(dialog.Weight(), 0.0);
    EXPECT_EQ(Child<QDateEdit>(dialog, "dateEdit").date(), QDate::currentDate());

    // Limits and names the angler and the screen reader rely on.
    EXPECT_EQ(Child<QLineEdit>(dialog, "gpsEdit").maxLength(), 20);
    EXPECT_EQ(Child<QLineEdit>(dialog, "weightEdit").maxLength(), 7);
    EXPECT_EQ(Child<QLineEdit>(dialog, "numberEdit").maxLength(), 4);
    EXPECT_TRUE(Child<QLineEdit>(dialog, "photoEdit").isReadOnly());
    EXPECT_EQ(fish.accessibleName(), QStringLiteral("Poisson"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "gpsEdit").accessibleName(),
              QString::fromUtf8("Coordonnées GPS"));
    EXPECT_EQ(Child<QPushButton>(dialog, "placeAddButton").accessibleName(),
              QStringLiteral("Ajouter un lieu"));
    EXPECT_TRUE(Child<QPushButton>(dialog, "validateButton").isDefault());
}

TEST_F(CatchDialogTest, TabGoesThroughTheFieldsInTheirOrder) {
    CCatchDialog dialog(Db(), -1);
    const QStringList expected = {"dateEdit",
                                  "timeEdit",
                                  "placeCombo",
                                  "placeAddButton",
                                  "gpsEdit",
                                  "fishList",
                                  "fishAddButton",
                                  "weightEdit",
                                  "sizeEdit",
                                  "numberEdit",
                                  "baitList",
                                  "baitAddButton",
                                  "groundbaitCombo",
                                  "groundbaitAddButton",
                                  "techniqueCombo",
                                  "techniqueAddButton",
                                  "rigCombo",
                                  "rigAddButton",
                                  "weatherCombo",
                                  "weatherAddButton",
                                  "windCombo",
                                  "windAddButton",
                                  "windDirectionCombo",
                                  "windDirectionAddButton",
                                  "moonCombo",
                                  "moonAddButton",
                                  "airTemperatureEdit",
                                  "waterTemperatureEdit",
                                  "waterColourCombo",
                                  "waterColourAddButton",
                                  "tideCombo",
                                  "tideAddButton",
                                  "coefficientEdit",
                                  "photoEdit",
                                  "photoButton",
                                  "commentEdit",
                                  "validateButton",
                                  "cancelButton"};
    QStringList seen;
    QWidget* start = &Child<QDateEdit>(dialog, "dateEdit");
    QWidget* w = start;
    do {
        if (expected.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    EXPECT_EQ(seen, expected);
}

TEST_F(CatchDialogTest, AsksForThePlaceThenForTheFish) {
    CCatchDialog dialog(Db(), -1);
    dialog.show();
    Child<QPushButton>(dialog, "validateButton").click();
    EXPECT_EQ(Messages().Texts(), QStringList{kSelectionRequired});
    EXPECT_EQ(Messages().shown.at(0).icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialog.focusWidget(), &Child<QComboBox>(dialog, "placeCombo"));
    EXPECT_TRUE(dialog.isVisible());

    Messages().Clear();
    SelectComboId(Child<QComboBox>(dialog, "placeCombo"), m_riviere);
    Child<QPushButton>(dialog, "validateButton").click();
    EXPECT_EQ(Messages().Texts(), QStringList{kSelectionRequired});
    EXPECT_EQ(dialog.focusWidget(), &Child<QListWidget>(dialog, "fishList"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(CountRows(QStringLiteral("PRISES")), 0);
}

TEST_F(CatchDialogTest, EnterValidatesExceptInTheComment) {
    CCatchDialog dialog(Db(), -1);
    dialog.show();
    auto& comment = Child<QPlainTextEdit>(dialog, "commentEdit");
    comment.setFocus();
    QTest::keyClicks(&comment, QStringLiteral("ligne 1"));
    QTest::keyClick(&comment, Qt::Key_Return);
    QTest::keyClicks(&comment, QStringLiteral("ligne 2"));
    EXPECT_EQ(dialog.Comment(), QStringLiteral("ligne 1\nligne 2"));
    EXPECT_TRUE(Messages().shown.empty());

    QTest::keyClick(&Child<QLineEdit>(dialog, "gpsEdit"), Qt::Key_Return);
    EXPECT_EQ(Messages().Texts(), QStringList{kSelectionRequired});  // "Valider" was pressed
}

TEST_F(CatchDialogTest, StoredCatchShowsEveryValueAgain) {
    QImage(8, 6, QImage::Format_RGB32).save(DataDir() + "images/PRISES/prise1.jpg", "JPG");
    int id = -1;
    {
        CCatchDialog dialog(Db(), -1);
        Child<QDateEdit>(dialog, "dateEdit").setDate(QDate(2007, 5, 12));
        Child<QTimeEdit>(dialog, "timeEdit").setTime(QTime(14, 30));
        SelectComboId(Child<QComboBox>(dialog, "placeCombo"), m_riviere);
        SelectComboId(Child<QComboBox>(dialog, "weatherCombo"), m_nuage);
        SelectListIds(Child<QListWidget>(dialog, "fishList"), {m_carpe, m_brochet});
        SelectListIds(Child<QListWidget>(dialog, "baitList"), {m_ver});
        QTest::keyClicks(&Child<QLineEdit>(dialog, "gpsEdit"), QStringLiteral("N 47.2 W 1.5"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "weightEdit"), QStringLiteral("2"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "sizeEdit"), QStringLiteral("65"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "numberEdit"), QStringLiteral("2"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "airTemperatureEdit"), QStringLiteral("-3"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "waterTemperatureEdit"), QStringLiteral("8"));
        QTest::keyClicks(&Child<QLineEdit>(dialog, "coefficientEdit"), QStringLiteral("95"));
        QTest::keyClicks(&Child<QPlainTextEdit>(dialog, "commentEdit"), QStringLiteral("NULL"));
        ModalAnswerer picker([](QDialog& d) { Child<QPushButton>(d, "validateButton").click(); });
        Child<QPushButton>(dialog, "photoButton").click();
        EXPECT_EQ(picker.opened, QStringList{QString::fromUtf8("Sélection d'une image")});
        dialog.accept();
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        id = dialog.CatchId();
    }
    ASSERT_GT(id, 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT DATE_PRISE FROM PRISES WHERE ID=%1").arg(id)),
              QStringLiteral("2007-05-12 14:30:00"));

    CCatchDialog reopened(Db(), id);
    EXPECT_EQ(reopened.CatchId(), id);
    EXPECT_EQ(Child<QDateEdit>(reopened, "dateEdit").text(), QStringLiteral("12/05/2007"));
    EXPECT_EQ(Child<QTimeEdit>(reopened, "timeEdit").text(), QStringLiteral("14:30"));
    EXPECT_EQ(reopened.Moment(), QStringLiteral("12/05/2007 14:30:00"));
    EXPECT_EQ(Child<QComboBox>(reopened, "placeCombo").currentText(), QStringLiteral("RIVIERE"));
    EXPECT_EQ(reopened.Reference(CatchReference::Weather), m_nuage);
    EXPECT_EQ(reopened.Reference(CatchReference::Moon), -1);
    EXPECT_EQ(reopened.FishSet(), (std::vector<int>{m_brochet, m_carpe}));  // list order
    EXPECT_EQ(reopened.BaitSet(), std::vector<int>{m_ver});
    EXPECT_EQ(Child<QLineEdit>(reopened, "weightEdit").text(), QStringLiteral("2.000"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "sizeEdit").text(), QStringLiteral("65"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "numberEdit").text(), QStringLiteral("2"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "airTemperatureEdit").text(), QStringLiteral("-3"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "waterTemperatureEdit").text(), QStringLiteral("8"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "coefficientEdit").text(), QStringLiteral("95"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "gpsEdit").text(), QStringLiteral("N 47.2 W 1.5"));
    EXPECT_EQ(Child<QLineEdit>(reopened, "photoEdit").text(), QStringLiteral("prise1.jpg"));
    EXPECT_EQ(reopened.Comment(), QStringLiteral("NULL"));

    // Saving it again unchanged keeps it whole.
    reopened.accept();
    EXPECT_EQ(reopened.result(), QDialog::Accepted);
    EXPECT_EQ(CountRows(QStringLiteral("PRISES")), 1);
    EXPECT_EQ(CountRows(QStringLiteral("PRISE_POISSONS")), 2);
}

TEST_F(CatchDialogTest, WeightReadsFullStopAndCommaAlike) {
    EXPECT_DOUBLE_EQ(StoredWeightOfTyped(QStringLiteral("1,5")), 1.5);
    EXPECT_DOUBLE_EQ(StoredWeightOfTyped(QStringLiteral("1.5")), 1.5);
    EXPECT_DOUBLE_EQ(StoredWeightOfTyped(QStringLiteral("1.234")), 1.234);
    EXPECT_DOUBLE_EQ(StoredWeightOfTyped(QString()), 0.0);
}

TEST(NumberFields, ReadLikeTheAnglerTypes) {
    EXPECT_DOUBLE_EQ(ReadDecimal(QStringLiteral(" 2,25kg")), 2.25);
    EXPECT_DOUBLE_EQ(ReadDecimal(QStringLiteral("-0.5")), -0.5);
    EXPECT_DOUBLE_EQ(ReadDecimal(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(ReadDecimal(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(ReadDecimal(QStringLiteral(".")), 0.0);
    EXPECT_EQ(ReadInteger(QStringLiteral("-12")), -12);
    EXPECT_EQ(ReadInteger(QStringLiteral("7x")), 7);
    EXPECT_EQ(ReadInteger(QString()), 0);
    EXPECT_EQ(ReadInteger(QStringLiteral("99999999999")), 2147483647);
    EXPECT_EQ(FormatWeight(2.0), QStringLiteral("2.000"));
    EXPECT_EQ(FormatWeight(1.2345), QStringLiteral("1.234"));
}

TEST_F(CatchDialogTest, DigitFieldsRefuseLettersButTemperaturesTakeAMinus) {
    CCatchDialog dialog(Db(), -1);
    auto& size = Child<QLineEdit>(dialog, "sizeEdit");
    QTest::keyClicks(&size, QStringLiteral("-4a2"));
    EXPECT_EQ(size.text(), QStringLiteral("42"));
    auto& air = Child<QLineEdit>(dialog, "airTemperatureEdit");
    QTest::keyClicks(&air, QStringLiteral("-12"));
    EXPECT_EQ(dialog.AirTemperature(), -12);
}

TEST_F(CatchDialogTest, AddingAFishKeepsTheFishAlreadyChosen) {
    CCatchDialog dialog(Db(), -1);
    auto& fish = Child<QListWidget>(dialog, "fishList");
    SelectListIds(fish, {m_carpe, m_bar});
    ModalAnswerer answerer(EnterCatalogName(QStringLiteral("tanche")));
    Child<QPushButton>(dialog, "fishAddButton").click();

    EXPECT_EQ(answerer.opened, QStringList{QString::fromUtf8("Saisie d'une nouvelle donnée")});
    const int tanche = ScalarInt(QStringLiteral("SELECT ID FROM POISSONS WHERE LIBELLE='TANCHE'"));
    ASSERT_GT(tanche, 0);
    EXPECT_EQ(fish.count(), 4);
    EXPECT_EQ(dialog.FishSet(), (std::vector<int>{m_bar, m_carpe, tanche}));
}

TEST_F(CatchDialogTest, AddingAPlaceReplacesThePlaceChosen) {
    CCatchDialog dialog(Db(), -1);
    auto& place = Child<QComboBox>(dialog, "placeCombo");
    SelectComboId(place, m_etang);
    ModalAnswerer answerer(EnterCatalogName(QStringLiteral("lac")));
    Child<QPushButton>(dialog, "placeAddButton").click();

    EXPECT_EQ(place.count(), 4);
    EXPECT_EQ(place.currentText(), QStringLiteral("LAC"));
    EXPECT_EQ(dialog.Reference(CatchReference::Place),
              ScalarInt(QStringLiteral("SELECT ID FROM LIEUX WHERE LIBELLE='LAC'")));
}

TEST_F(CatchDialogTest, CancelledAdditionChangesNothing) {
    CCatchDialog dialog(Db(), -1);
    auto& weather = Child<QComboBox>(dialog, "weatherCombo");
    SelectComboId(weather, m_soleil);
    auto& bait = Child<QListWidget>(dialog, "baitList");
    SelectListIds(bait, {m_mais});
    ModalAnswerer first([](QDialog& d) { Child<QPushButton>(d, "cancelButton").click(); });
    Child<QPushButton>(dialog, "weatherAddButton").click();
    EXPECT_EQ(first.opened.size(), 1);
    EXPECT_EQ(dialog.Reference(CatchReference::Weather), m_soleil);
    EXPECT_EQ(weather.count(), 3);

    ModalAnswerer second([](QDialog& d) { Child<QPushButton>(d, "cancelButton").click(); });
    Child<QPushButton>(dialog, "baitAddButton").click();
    EXPECT_EQ(dialog.BaitSet(), std::vector<int>{m_mais});
    EXPECT_EQ(CountRows(QStringLiteral("ESCHES")), 2);
}

// The first "Valider" of a new catch fails part-way (the driver refuses its fish rows, the
// whole store is rolled back); the second one must store it, not update a row that is gone.
TEST_F(CatchDialogTest, ValiderAgainAfterARefusedStoreAddsTheCatchOnce) {
    Exec("CREATE TABLE REFUS (X INTEGER)");
    Exec("INSERT INTO REFUS VALUES (1)");
    Exec(
        "CREATE TRIGGER REFUS_LIENS BEFORE INSERT ON PRISE_POISSONS "
        "WHEN EXISTS (SELECT 1 FROM REFUS) BEGIN SELECT RAISE(ABORT, 'lien refuse'); END");
    CCatchDialog dialog(Db(), -1);
    SelectComboId(Child<QComboBox>(dialog, "placeCombo"), m_etang);
    SelectListIds(Child<QListWidget>(dialog, "fishList"), {m_carpe, m_bar});
    dialog.show();
    Child<QPushButton>(dialog, "validateButton").click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(dialog.CatchId(), -1);
    EXPECT_EQ(CountRows("PRISES"), 0);

    Exec("DELETE FROM REFUS");  // the driver accepts the rows from now on
    Child<QPushButton>(dialog, "validateButton").click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CountRows("PRISES"), 1);
    EXPECT_EQ(ScalarInt("SELECT COUNT(*) FROM PRISE_POISSONS WHERE ID_PRISE=" +
                        QString::number(dialog.CatchId())),
              2);
}

TEST_F(CatchDialogTest, ACatchDeletedMeanwhileIsToldAndTheDialogKeepsWhatWasTyped) {
    const int id = AddCatch(QStringLiteral("2024-05-01 07:30:00"), m_etang, m_carpe);
    CCatchDialog dialog(Db(), id);
    dialog.show();
    Exec("DELETE FROM PRISES WHERE ID=" + QString::number(id));
    QTest::keyClicks(&Child<QLineEdit>(dialog, "weightEdit"), "3");
    Child<QPushButton>(dialog, "validateButton").click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages().Texts(),
              QStringList{"Cette prise n'existe plus : elle a été supprimée entre-temps."});
    EXPECT_EQ(CountRows("PRISES"), 0);
    EXPECT_EQ(CountRows("PRISE_POISSONS"), 0);
    EXPECT_TRUE(Child<QLineEdit>(dialog, "weightEdit").text().contains(u'3'));
}

// Typing a name moves the current row only; Space and a click choose, for the fish and the baits.
TEST_F(CatchDialogTest, TypingInAChoiceListMovesWithoutChoosing) {
    CCatchDialog dialog(Db(), -1);
    for (const char* name : {"fishList", "baitList"}) {
        auto& list = Child<QListWidget>(dialog, name);
        list.setFocus();
        QTest::keyClicks(&list, QStringLiteral("BRO"));
        QTest::keyClicks(&list, QStringLiteral("V"));
        QTest::keyClick(&list, Qt::Key_Down);
        EXPECT_TRUE(list.selectedItems().isEmpty()) << name;
        const int typedTo = list.currentRow();
        QTest::keyClick(&list, Qt::Key_Space);
        ASSERT_EQ(list.selectedItems().size(), 1) << name;
        EXPECT_EQ(list.row(list.selectedItems().front()), typedTo);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(0)).center());
        EXPECT_EQ(list.selectedItems().size(), typedTo == 0 ? 0 : 2) << name;
    }
}

}  // namespace
