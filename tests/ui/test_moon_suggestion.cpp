// The moon of a new catch is suggested from its moment and position, never over the
// angler's own choice, and not at all without a matching entry or a position.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/CatchDialog.h"
#include "ui/view/ListTargets.h"

namespace {

class MoonSuggestionTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_place = AddCatalogRow("LIEUX", "LAC");
        // Written as anglers do, without accents or in lower case.
        m_full = AddCatalogRow("LUNES", "Pleine lune");
        m_waning = AddCatalogRow("LUNES", "GIBBEUSE DECROISSANTE");
        m_new = AddCatalogRow("LUNES", "NOUVELLE LUNE");
    }
    // A new catch dialog on a day and at a position.
    struct Dialog {
        explicit Dialog(CCatchDatabase& db, QDate day, const QString& gps)
            : dialog(db, -1),
              date(Child<QDateEdit>(dialog, "dateEdit")),
              gpsEdit(Child<QLineEdit>(dialog, "gpsEdit")),
              moon(Child<QComboBox>(dialog, "moonCombo")) {
            Child<QTimeEdit>(dialog, "timeEdit").setTime(QTime(22, 0));
            date.setDate(day);
            gpsEdit.setText(gps);
        }
        CCatchDialog dialog;
        QDateEdit& date;
        QLineEdit& gpsEdit;
        QComboBox& moon;
    };

public:
    int m_place = -1, m_full = -1, m_waning = -1, m_new = -1;
};

TEST_F(MoonSuggestionTest, SuggestsTheEntryNamedAfterThePhase) {
    struct Case {
        QDate day;
        const char* gps;
        int MoonSuggestionTest::*expected;
    };
    // Full moon 25 March 2024, new moon 8 April 2024; 29 March is waning gibbous.
    const Case cases[] = {
        {QDate(2024, 3, 25), "47.2N 2.1W", &MoonSuggestionTest::m_full},
        {QDate(2024, 3, 28), "47,2 -2,1", &MoonSuggestionTest::m_waning},
        {QDate(2024, 4, 8), "47°12'N 2°06'O", &MoonSuggestionTest::m_new},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day.toString().toStdString());
        Dialog d(Db(), c.day, QString::fromUtf8(c.gps));
        EXPECT_EQ(SelectedId(d.moon), this->*c.expected);
    }
}

TEST_F(MoonSuggestionTest, NothingWithoutPositionOrMatchingEntry) {
    Dialog noPosition(Db(), QDate(2024, 3, 25), QStringLiteral("près du pont"));
    EXPECT_EQ(SelectedId(noPosition.moon), -1);

    // First quarter, 16 April 2024: no entry of that name.
    Dialog noEntry(Db(), QDate(2024, 4, 16), QStringLiteral("47.2N 2.1W"));
    EXPECT_EQ(SelectedId(noEntry.moon), -1);
    // A suggestion made earlier is taken back when the date moves to a phase without entry.
    noEntry.date.setDate(QDate(2024, 3, 25));
    EXPECT_EQ(SelectedId(noEntry.moon), m_full);
    noEntry.date.setDate(QDate(2024, 4, 16));
    EXPECT_EQ(SelectedId(noEntry.moon), -1);
}

TEST_F(MoonSuggestionTest, ThePlacePositionServesAndTheAnglersChoiceStays) {
    Exec(QStringLiteral("UPDATE LIEUX SET COORD_GPS='47.2N 2.1W' WHERE ID=%1").arg(m_place));
    Dialog d(Db(), QDate(2024, 4, 8), QString());
    EXPECT_EQ(SelectedId(d.moon), -1);
    SelectComboId(Child<QComboBox>(d.dialog, "placeCombo"), m_place);
    EXPECT_EQ(SelectedId(d.moon), m_new);

    // The angler picks another moon with the keyboard: the suggestion no longer follows.
    d.moon.setFocus();
    QTest::keyClick(&d.moon, Qt::Key_Up);
    const int chosen = SelectedId(d.moon);
    EXPECT_NE(chosen, m_new);
    d.date.setDate(QDate(2024, 3, 25));
    EXPECT_EQ(SelectedId(d.moon), chosen);
}

}  // namespace
