#include <functional>
#include <stdexcept>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include "catalog/EntryForms.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/ChooseSessionDialog.h"
#include "ui/dialogs/SessionDialog.h"
#include "ui/panels/CatchPanel.h"
#include "ui/view/ListTargets.h"
#include "ui/view/SessionChoice.h"
#include "widgets/CalendarCtrl.h"
#include "widgets/StyledEdit.h"

namespace {

const QString kSelectionRequired =
    QString::fromUtf8("La sélection dans cette liste est obligatoire !");

class SessionDialogTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_calendar.resize(700, 500);
        m_calendar.BuildMonth(200703);
        m_place = AddCatalogRow(QStringLiteral("LIEUX"), QStringLiteral("ETANG DU MOULIN"));
    }

    // Stores a session through the dialog, as the angler would.
    int EnterSession(int day, QTime start, int endDay, QTime end) {
        CSessionDialog dialog(Db(), -1, day, m_calendar);
        SelectComboId(Child<QComboBox>(dialog, "place"), m_place);
        Child<QDateEdit>(dialog, "endDate").setDate(DateOf(endDay));
        Child<QTimeEdit>(dialog, "startTime").setTime(start);
        Child<QTimeEdit>(dialog, "endTime").setTime(end);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.SessionId();
    }

    static QDate DateOf(int key) { return QDate(key / 10000, key / 100 % 100, key % 100); }

    const CCalendarDay& Day(int day) { return *m_calendar.Days().at(day - 1); }

    CCalendarCtrl m_calendar;
    int m_place = -1;
};

TEST_F(SessionDialogTest, NewSessionOpensOnTheSelectedDayAtMidnightWithoutCatches) {
    CSessionDialog dialog(Db(), -1, 20070315, m_calendar);

    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Saisie d'une nouvelle session"));
    EXPECT_EQ(Child<QDateEdit>(dialog, "startDate").text(), QStringLiteral("15/03/2007"));
    EXPECT_EQ(Child<QDateEdit>(dialog, "endDate").text(), QStringLiteral("15/03/2007"));
    EXPECT_EQ(Child<QTimeEdit>(dialog, "startTime").text(), QStringLiteral("00:00"));
    EXPECT_EQ(Child<QTimeEdit>(dialog, "endTime").text(), QStringLiteral("00:00"));
    EXPECT_EQ(dialog.StartDay(), 20070315);
    EXPECT_EQ(dialog.EndTime(), 0);
    EXPECT_EQ(Child<QListWidget>(dialog, "catches").count(), 0);
    EXPECT_FALSE(Child<QListWidget>(dialog, "catches").isEnabled());
    EXPECT_FALSE(Child<QPushButton>(dialog, "viewCatch").isEnabled());
    EXPECT_EQ(dialog.SessionId(), -1);

    // Every control can be reached by its French label.
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
            qobject_cast<QListWidget*>(control)) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        }
    }
}

TEST_F(SessionDialogTest, StoresTimesAsHourMinuteNumbersAndShowsThemAgain) {
    const int id = EnterSession(20070315, QTime(7, 30), 20070315, QTime(11, 45));
    ASSERT_GT(id, 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT HEURE_DEBUT FROM CALENDRIER WHERE ID=%1").arg(id)),
              QStringLiteral("730"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT HEURE_FIN FROM CALENDRIER WHERE ID=%1").arg(id)),
              QStringLiteral("1145"));
    EXPECT_EQ(ScalarInt(QStringLiteral("SELECT DEBUT FROM CALENDRIER WHERE ID=%1").arg(id)),
              20070315);
    EXPECT_EQ(ScalarInt(QStringLiteral("SELECT ID_LIEU FROM CALENDRIER WHERE ID=%1").arg(id)),
              m_place);

    CSessionDialog reopened(Db(), id, 0, m_calendar);
    EXPECT_EQ(Child<QTimeEdit>(reopened, "startTime").text(), QStringLiteral("07:30"));
    EXPECT_EQ(Child<QTimeEdit>(reopened, "endTime").text(), QStringLiteral("11:45"));
    EXPECT_EQ(Child<QDateEdit>(reopened, "startDate").text(), QStringLiteral("15/03/2007"));
    EXPECT_EQ(reopened.Place(), m_place);
    EXPECT_EQ(reopened.StartTime(), 730);
}

TEST_F(SessionDialogTest, ValiderPutsTheStoredSessionIntoTheCalendar) {
    const int id = EnterSession(20070310, QTime(8, 15), 20070312, QTime(18, 0));
    for (int day : {10, 11, 12}) {
        ASSERT_EQ(Day(day).sessions.size(), 1u) << day;
        const CCalendarSession& shown = Day(day).sessions.front();
        EXPECT_EQ(shown.id, id);
        EXPECT_EQ(shown.startDay, 20070310);
        EXPECT_EQ(shown.endDay, 20070312);
        EXPECT_EQ(shown.startTime, 815);
        EXPECT_EQ(shown.endTime, 1800);
        EXPECT_EQ(shown.placeId, m_place);
        EXPECT_EQ(shown.placeLabel, QStringLiteral("ETANG DU MOULIN"));
    }
    EXPECT_TRUE(Day(9).sessions.empty());
    EXPECT_TRUE(Day(13).sessions.empty());
}

TEST_F(SessionDialogTest, ChangingTheDatesMovesTheSessionOnTheCalendar) {
    const int id = EnterSession(20070310, QTime(8, 0), 20070311, QTime(9, 0));
    CSessionDialog dialog(Db(), id, 0, m_calendar);
    Child<QDateEdit>(dialog, "startDate").setDate(QDate(2007, 3, 20));
    Child<QDateEdit>(dialog, "endDate").setDate(QDate(2007, 3, 20));
    Child<QPlainTextEdit>(dialog, "comment").setPlainText(QString::fromUtf8("brème à l'aube"));
    dialog.accept();

    EXPECT_EQ(dialog.SessionId(), id);
    EXPECT_EQ(CountRows(QStringLiteral("CALENDRIER")), 1);
    EXPECT_TRUE(Day(10).sessions.empty());
    EXPECT_TRUE(Day(11).sessions.empty());
    ASSERT_EQ(Day(20).sessions.size(), 1u);
    EXPECT_EQ(Day(20).sessions.front().comment, QString::fromUtf8("brème à l'aube"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COMMENTAIRE FROM CALENDRIER")),
              QString::fromUtf8("brème à l'aube"));
}

TEST_F(SessionDialogTest, ANewPlaceIsAddedToTheListAndSelected) {
    CSessionDialog dialog(Db(), -1, 20070315, m_calendar);
    ModalAnswerer answerer([](QDialog& placeDialog) {
        auto* form = dynamic_cast<ICatalogItemForm*>(&placeDialog);
        ASSERT_NE(form, nullptr);
        form->SetLabel(QStringLiteral("LAC DE GUERLEDAN"));
        placeDialog.accept();
    });
    Child<QPushButton>(dialog, "newPlace").click();

    EXPECT_EQ(answerer.opened.size(), 1);
    const int added =
        ScalarInt(QStringLiteral("SELECT ID FROM LIEUX WHERE LIBELLE='LAC DE GUERLEDAN'"));
    ASSERT_GT(added, 0);
    EXPECT_EQ(dialog.Place(), added);
    EXPECT_GE(Child<QComboBox>(dialog, "place").findData(m_place), 0);
}

TEST_F(SessionDialogTest, ValiderWithoutPlaceWarnsAndStaysOpen) {
    CSessionDialog dialog(Db(), -1, 20070315, m_calendar);
    dialog.show();
    dialog.accept();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Messages().Texts(), QStringList{kSelectionRequired});
    EXPECT_EQ(Messages().shown.front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(CountRows(QStringLiteral("CALENDRIER")), 0);
    EXPECT_TRUE(Day(15).sessions.empty());
}

TEST_F(SessionDialogTest, AFailedStoreKeepsTheDialogOpenAndTheCalendarUnchanged) {
    Exec(QStringLiteral("DROP TABLE CALENDRIER"));
    CSessionDialog dialog(Db(), -1, 20070315, m_calendar);
    SelectComboId(Child<QComboBox>(dialog, "place"), m_place);
    dialog.show();
    dialog.accept();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.SessionId(), -1);
    EXPECT_TRUE(Day(15).sessions.empty());
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown.front().icon, MessageIcon::Stop);
}

TEST_F(SessionDialogTest, ListsTheCatchesOfTheSessionAndViewsOnlyASelectedOne) {
    const int fish = AddCatalogRow(QStringLiteral("POISSONS"), QStringLiteral("CARPE"));
    const int inside = AddCatch(QStringLiteral("2007-03-15 08:00:00"), m_place, fish);
    AddCatch(QStringLiteral("2007-03-15 12:30:00"), m_place, fish);
    const int id = EnterSession(20070315, QTime(7, 30), 20070315, QTime(11, 45));

    CSessionDialog dialog(Db(), id, 0, m_calendar);
    auto& catches = Child<QListWidget>(dialog, "catches");
    auto& view = Child<QPushButton>(dialog, "viewCatch");
    ASSERT_EQ(catches.count(), 1);
    EXPECT_EQ(catches.item(0)->data(Qt::UserRole).toInt(), inside);
    EXPECT_TRUE(catches.isEnabled());
    EXPECT_TRUE(view.isEnabled());

    {
        ModalAnswerer answerer(nullptr);
        catches.setCurrentRow(-1);
        catches.clearSelection();
        view.click();
        QTest::qWait(50);
        EXPECT_TRUE(answerer.opened.isEmpty());
    }

    QRect panelGeometry;
    QSize dialogSize;
    ModalAnswerer answerer([&](QDialog& viewer) {
        CCatchPanel* panel = viewer.findChild<CCatchPanel*>();
        ASSERT_NE(panel, nullptr);
        panelGeometry = panel->geometry();
        dialogSize = viewer.size();
        QTest::keyClick(&panel->SheetText(), Qt::Key_Escape);
    });
    catches.setCurrentRow(0);
    view.click();
    EXPECT_EQ(answerer.opened, QStringList{QStringLiteral("Visualisation")});
    EXPECT_EQ(answerer.keptOpen, 0) << "Escape did not close the viewer";
    EXPECT_EQ(panelGeometry, QRect(QPoint(5, 5), dialogSize - QSize(10, 10)));
}

class ChooseSessionTest : public SessionDialogTest {
protected:
    // A session stored by SQL and put on the calendar as the month display does.
    int PutSession(int day, int startTime, int endTime) {
        Exec(QStringLiteral("INSERT INTO CALENDRIER (DEBUT, FIN, ID_LIEU, COMMENTAIRE, "
                            "HEURE_DEBUT, HEURE_FIN) VALUES (%1, %1, %2, NULL, %3, %4)")
                 .arg(day)
                 .arg(m_place)
                 .arg(startTime)
                 .arg(endTime));
        CCalendarSession session;
        session.id = ScalarInt(QStringLiteral("SELECT MAX(ID) FROM CALENDRIER"));
        session.startDay = session.endDay = day;
        session.placeId = m_place;
        session.startTime = startTime;
        session.endTime = endTime;
        m_calendar.PutSession(session);
        return session.id;
    }
};

TEST_F(ChooseSessionTest, OffersTheEarliestSessionOfTheDayFirst) {
    const int afternoon = PutSession(20070301, 1400, 1800);
    const int morning = PutSession(20070301, 600, 900);

    CChooseSessionDialog chooser(Db(), *m_calendar.SelectedDay());
    auto* combo = chooser.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("06:00 - 09:00 : ETANG DU MOULIN"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("14:00 - 18:00 : ETANG DU MOULIN"));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(combo->itemData(1).toInt(), afternoon);

    chooser.accept();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.ChosenSessionId(), morning);
}

TEST_F(ChooseSessionTest, SelectedDayGivesNoneItsOnlySessionOrTheChosenOne) {
    EXPECT_EQ(ChooseSessionOfSelectedDay(Db(), m_calendar, nullptr), -1);

    const int afternoon = PutSession(20070301, 1400, 1800);
    {
        ModalAnswerer answerer(nullptr);
        EXPECT_EQ(ChooseSessionOfSelectedDay(Db(), m_calendar, nullptr), afternoon);
        EXPECT_TRUE(answerer.opened.isEmpty());
    }

    PutSession(20070301, 600, 900);
    {
        ModalAnswerer chooseSecond([](QDialog& chooser) {
            chooser.findChild<QComboBox*>()->setCurrentIndex(1);
            chooser.accept();
        });
        EXPECT_EQ(ChooseSessionOfSelectedDay(Db(), m_calendar, nullptr), afternoon);
        EXPECT_EQ(chooseSecond.opened,
                  QStringList{QString::fromUtf8("Sélectionner la session ...")});
    }
    ModalAnswerer cancel([](QDialog& chooser) { chooser.reject(); });
    EXPECT_EQ(ChooseSessionOfSelectedDay(Db(), m_calendar, nullptr), -1);
    EXPECT_EQ(cancel.opened.size(), 1);
}

TEST_F(ChooseSessionTest, OkWithoutAnyRowKeepsTheChooserOpen) {
    CCalendarDay empty;
    empty.dayKey = 20070301;
    CChooseSessionDialog chooser(Db(), empty);
    chooser.show();
    chooser.accept();
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(chooser.ChosenSessionId(), -1);
}

}  // namespace
