// Sessions on a real catch log: storing them, the month list, a month on the calendar and
// the catches taken during a session.
#include <ostream>
#include <vector>

#include <QString>
#include <QStringList>

#include "catalog/CalendarSession.h"
#include "catalog/CatalogKind.h"
#include "catalog/DateStamp.h"
#include "catalog/DisplayPanels.h"
#include "catalog/EntryForms.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

// Readable failure output for texts and lists of texts.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class SessionForm : public ISessionForm {
public:
    int StartDay() const override { return startDay; }
    int EndDay() const override { return endDay; }
    int StartTime() const override { return startTime; }
    int EndTime() const override { return endTime; }
    int Place() const override { return place; }
    QString Comment() const override { return comment; }
    void SetStart(int dayKey, int timeKey) override {
        startDay = dayKey;
        startTime = timeKey;
    }
    void SetEnd(int dayKey, int timeKey) override {
        endDay = dayKey;
        endTime = timeKey;
    }
    void SetPlace(int placeId) override { place = placeId; }
    void SetComment(const QString& text) override { comment = text; }

    int startDay = 0, endDay = 0, startTime = 0, endTime = 0, place = -1;
    QString comment;
};

class CalendarView : public ICalendarView {
public:
    void ClearMonth() override {
        calls << "clear";
        sessions.clear();
    }
    void BuildMonth(int monthKey) override { calls << QStringLiteral("build %1").arg(monthKey); }
    void PutSession(const CCalendarSession& session) override { sessions.push_back(session); }
    void RepaintNow() override { calls << "repaint"; }

    QStringList calls;
    std::vector<CCalendarSession> sessions;
};

class SessionsTest : public TestCatchLog {
protected:
    int AddRow(const QString& table, const QString& name) {
        Exec(QStringLiteral("INSERT INTO %1 (LIBELLE) VALUES ('%2')").arg(table, name));
        return Scalar(QStringLiteral("SELECT MAX(ID) FROM ") + table).toInt();
    }
    int AddSession(int start, int startTime, int end, int endTime, int place,
                   const QString& comment = {}) {
        SessionForm form;
        form.startDay = start;
        form.startTime = startTime;
        form.endDay = end;
        form.endTime = endTime;
        form.place = place;
        form.comment = comment;
        int id = -1;
        EXPECT_TRUE(Db().InsertSession(form, id));
        return id;
    }
    int AddCatch(const QString& moment, int fishId) {
        Exec(QStringLiteral("INSERT INTO PRISES (DATE_PRISE, ID_LIEU, ID_POISSON, ID_ESCHE) "
                            "VALUES ('%1', -1, %2, -1)")
                 .arg(moment)
                 .arg(fishId));
        return Scalar(QStringLiteral("SELECT MAX(ID) FROM PRISES")).toInt();
    }
    QStringList Entries(int start, int end, int startTime, int endTime) {
        InMemoryList list;
        EXPECT_TRUE(Db().FillSessionCatches(list, start, end, startTime, endTime));
        EXPECT_EQ(list.selected, list.Count() > 0 ? 0 : -1);
        QStringList entries;
        for (const auto& [text, id] : list.rows) {
            entries << text;
            // The item data names the catch whose moment the entry shows.
            CDateStamp moment;
            moment.Parse(
                Scalar(QStringLiteral("SELECT DATE_PRISE FROM PRISES WHERE ID=%1").arg(id)),
                DateTimeLayout::Stored);
            EXPECT_TRUE(
                text.startsWith(moment.FormatDateTime(DateTimeLayout::DayFirstMinutes) + " - "))
                << qPrintable(text);
        }
        return entries;
    }
    QStringList Months(const CDateStamp& today, int* selected = nullptr) {
        InMemoryList list;
        EXPECT_TRUE(Db().FillMonthList(list, today));
        QStringList months;
        for (const auto& [text, id] : list.rows) {
            months << QStringLiteral("%1=%2").arg(text).arg(id);
        }
        if (selected) *selected = list.selected;
        return months;
    }
};

TEST_F(SessionsTest, StoredSessionReadsBackExactlyAndDeletingLeavesCatches) {
    const int lake = AddRow("LIEUX", "LAC BLEU");
    const int first = AddSession(20070512, 830, 20070514, 1745, lake, QStringLiteral("NULL"));
    const int second = AddSession(20070601, 5, 20070601, 2359, -1, QStringLiteral("O'Brien"));
    EXPECT_GT(second, first);
    EXPECT_EQ(Scalar("SELECT MAX(ID) FROM CALENDRIER").toInt(), second);

    SessionForm loaded;
    ASSERT_TRUE(Db().LoadSession(loaded, first));
    EXPECT_EQ(loaded.startDay, 20070512);
    EXPECT_EQ(loaded.startTime, 830);
    EXPECT_EQ(loaded.endDay, 20070514);
    EXPECT_EQ(loaded.endTime, 1745);
    EXPECT_EQ(loaded.place, lake);
    EXPECT_EQ(loaded.comment, "NULL");

    loaded.comment = QStringLiteral("now()");
    loaded.endTime = 1800;
    ASSERT_TRUE(Db().UpdateSession(loaded, first));
    SessionForm again;
    ASSERT_TRUE(Db().LoadSession(again, first));
    EXPECT_EQ(again.comment, "now()");
    EXPECT_EQ(again.endTime, 1800);
    ASSERT_TRUE(Db().LoadSession(again, second));
    EXPECT_EQ(again.comment, "O'Brien");
    EXPECT_EQ(again.startTime, 5);

    loaded.comment.clear();
    ASSERT_TRUE(Db().UpdateSession(loaded, first));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM CALENDRIER WHERE ID=%1 AND "
                                    "COMMENTAIRE IS NULL")
                         .arg(first)),
              "1");

    AddCatch("2007-05-13 10:00:00", 1);
    ASSERT_TRUE(Db().DeleteSession(first));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM CALENDRIER WHERE ID=%1").arg(first)),
              "0");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM CALENDRIER"), "1");
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM PRISES"), "1");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(SessionsTest, LoadingAMissingSessionLeavesTheFormAlone) {
    SessionForm form;
    form.comment = QStringLiteral("tapé");
    form.place = 7;
    EXPECT_TRUE(Db().LoadSession(form, 4242));
    EXPECT_EQ(form.comment, "tapé");
    EXPECT_EQ(form.place, 7);
}

TEST_F(SessionsTest, CommentHoldingNulIsRefusedWithAMessage) {
    SessionForm form;
    form.startDay = form.endDay = 20070512;
    form.comment = QStringLiteral("avant") + QChar(u'\0') + QStringLiteral("après");
    int id = -1;
    EXPECT_FALSE(Db().InsertSession(form, id));
    EXPECT_EQ(id, -1);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM CALENDRIER"), "0");
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
}

TEST_F(SessionsTest, MonthListOffersAYearAheadThenBackToJanuary2006) {
    int selected = -1;
    const QStringList months = Months(CDateStamp(2006, 3, 15, 10, 0, 0), &selected);
    EXPECT_EQ(months,
              (QStringList{"MARS 2007=200703", "FEVRIER 2007=200702", "JANVIER 2007=200701",
                           "DECEMBRE 2006=200612", "NOVEMBRE 2006=200611", "OCTOBRE 2006=200610",
                           "SEPTEMBRE 2006=200609", "AOUT 2006=200608", "JUILLET 2006=200607",
                           "JUIN 2006=200606", "MAI 2006=200605", "AVRIL 2006=200604",
                           "MARS 2006=200603", "FEVRIER 2006=200602", "JANVIER 2006=200601"}));
    EXPECT_EQ(selected, 12);
}

TEST_F(SessionsTest, MonthListAddsEveryMonthASessionCoversOnce) {
    AddSession(20040710, 800, 20040711, 1200, -1);
    AddSession(20031230, 800, 20040202, 1200, -1);  // December 2003 to February 2004
    AddSession(20060320, 800, 20060321, 1200, -1);  // already listed
    AddSession(20071101, 800, 20071102, 1200, -1);  // planned beyond the year ahead
    int selected = -1;
    const QStringList months = Months(CDateStamp(2006, 3, 15, 10, 0, 0), &selected);
    ASSERT_EQ(months.size(), 15 + 1 + 4);
    EXPECT_EQ(months.first(), "NOVEMBRE 2007=200711");
    EXPECT_EQ(months.mid(1, 2), (QStringList{"MARS 2007=200703", "FEVRIER 2007=200702"}));
    EXPECT_EQ(months.mid(16), (QStringList{"JUILLET 2004=200407", "FEVRIER 2004=200402",
                                           "JANVIER 2004=200401", "DECEMBRE 2003=200312"}));
    EXPECT_EQ(months.count("MARS 2006=200603"), 1);
    EXPECT_EQ(months.at(selected), "MARS 2006=200603");
}

TEST_F(SessionsTest, MonthShowsEverySessionOverlappingItInStartOrder) {
    const int lake = AddRow("LIEUX", "LAC BLEU");
    const int crossing = AddSession(20070530, 1800, 20070602, 900, lake, "pont");
    const int late = AddSession(20070512, 1400, 20070512, 1800, -1);
    const int early = AddSession(20070512, 600, 20070512, 900, lake);
    AddSession(20070428, 600, 20070430, 900, lake);  // April only
    AddSession(20070603, 600, 20070603, 900, lake);  // June only

    CalendarView may;
    ASSERT_TRUE(Db().ShowMonthSessions(may, 200705));
    EXPECT_EQ(may.calls, (QStringList{"clear", "build 200705", "repaint"}));
    ASSERT_EQ(may.sessions.size(), 3u);
    EXPECT_EQ(may.sessions[0].id, early);
    EXPECT_EQ(may.sessions[1].id, late);
    EXPECT_EQ(may.sessions[1].placeLabel, "          ");
    const CCalendarSession& c = may.sessions[2];
    EXPECT_EQ(c.id, crossing);
    EXPECT_EQ(c.startDay, 20070530);
    EXPECT_EQ(c.endDay, 20070602);
    EXPECT_EQ(c.startTime, 1800);
    EXPECT_EQ(c.endTime, 900);
    EXPECT_EQ(c.placeId, lake);
    EXPECT_EQ(c.placeLabel, "LAC BLEU");
    EXPECT_EQ(c.comment, "pont");

    CalendarView june;
    ASSERT_TRUE(Db().ShowMonthSessions(june, 200706));
    ASSERT_EQ(june.sessions.size(), 2u);
    EXPECT_EQ(june.sessions[0].id, crossing);
}

TEST_F(SessionsTest, OneDaySessionTakesCatchesFromStartToEndMinuteIncluded) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    AddCatch("2007-05-12 12:01:00", pike);
    AddCatch("2007-05-12 12:00:00", pike);
    AddCatch("2007-05-12 07:59:00", pike);
    AddCatch("2007-05-12 08:00:00", pike);
    AddCatch("2007-05-11 10:00:00", pike);
    AddCatch("2007-05-13 10:00:00", pike);

    EXPECT_EQ(
        Entries(20070512, 20070512, 800, 1200),
        (QStringList{"12/05/2007 12:00 - BROCHET DU TEST", "12/05/2007 08:00 - BROCHET DU TEST"}));
}

TEST_F(SessionsTest, SessionOverSeveralDaysCutsOnlyItsFirstAndLastDay) {
    const int pike = AddRow("POISSONS", "BROCHET DU TEST");
    const int zander = AddRow("POISSONS", "SANDRE DU TEST");
    const int several = AddCatch("2007-05-13 03:00:00", SEVERAL_IDS);
    Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_PRISE, ID_POISSON) VALUES (%1, %2)")
             .arg(several)
             .arg(zander));
    Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_PRISE, ID_POISSON) VALUES (%1, %2)")
             .arg(several)
             .arg(pike));
    const int outside = AddCatch("2007-05-15 08:00:00", SEVERAL_IDS);
    Exec(QStringLiteral("INSERT INTO PRISE_POISSONS (ID_PRISE, ID_POISSON) VALUES (%1, %2)")
             .arg(outside)
             .arg(pike));
    AddCatch("2007-05-14 09:01:00", pike);
    AddCatch("2007-05-14 08:30:00", pike);
    AddCatch("2007-05-12 17:59:00", pike);
    AddCatch("2007-05-12 20:00:00", zander);
    AddCatch("2007-05-14 09:00:00", zander);
    AddCatch("2007-05-12 18:00:00", pike);
    AddCatch("2007-05-13 23:59:00", -1);

    EXPECT_EQ(Entries(20070512, 20070514, 1800, 900),
              (QStringList{"13/05/2007 03:00 - SANDRE DU TEST, BROCHET DU TEST",
                           "14/05/2007 08:30 - BROCHET DU TEST",
                           "12/05/2007 20:00 - SANDRE DU TEST", "14/05/2007 09:00 - SANDRE DU TEST",
                           "12/05/2007 18:00 - BROCHET DU TEST", "13/05/2007 23:59 -           "}));
    EXPECT_TRUE(Entries(20070516, 20070520, 0, 2359).isEmpty());
}

TEST_F(SessionsTest, DatabaseErrorIsShownOnceAndTheCalendarStillRepaints) {
    AddSession(20070512, 600, 20070512, 900, -1);
    Exec("DROP TABLE CALENDRIER");
    CalendarView view;
    EXPECT_FALSE(Db().ShowMonthSessions(view, 200705));
    EXPECT_EQ(view.calls, (QStringList{"clear", "build 200705", "repaint"}));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);

    // The month list still offers the calendar months.
    InMemoryList list;
    EXPECT_FALSE(Db().FillMonthList(list, CDateStamp(2006, 3, 15, 10, 0, 0)));
    EXPECT_EQ(list.Count(), 15);
    EXPECT_EQ(Messages().shown.size(), 2u);

    SessionForm form;
    int id = -1;
    EXPECT_FALSE(Db().InsertSession(form, id));
    EXPECT_FALSE(Db().LoadSession(form, 1));
    EXPECT_EQ(Messages().shown.size(), 4u);
}

}  // namespace
