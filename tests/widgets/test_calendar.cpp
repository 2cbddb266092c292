// The month calendar: day cells, their geometry, selection by mouse and the sessions shown
// in them, on a real widget painted offscreen.
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "widgets/CalendarCtrl.h"

namespace {

// 710 / 7 truncates to 101 and 0.2 * 503 to 100: cells 101 x 100 every 102 x 101 pixels.
const QSize kSize(710, 503);

CCalendarSession Session(int id, int start, int end, int time, const QString& place) {
    CCalendarSession s;
    s.id = id;
    s.startDay = start;
    s.endDay = end;
    s.startTime = time;
    s.endTime = 1800;
    s.placeLabel = place;
    s.comment = QStringLiteral("commentaire");
    return s;
}

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_calendar.resize(kSize);
        m_calendar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_calendar));
    }

    CCalendarDay& Day(int day) { return *m_calendar.Days().at(day - 1); }
    QPoint Inside(int day) { return Day(day).rect.center(); }
    QImage Shot() { return m_calendar.grab().toImage(); }

    CCalendarCtrl m_calendar;
};

}  // namespace

TEST(CalendarMonth, DaysInMonthFollowsTheFourYearRule) {
    EXPECT_EQ(DaysInMonth(200802), 29);
    EXPECT_EQ(DaysInMonth(200702), 28);
    EXPECT_EQ(DaysInMonth(200804), 30);
    EXPECT_EQ(DaysInMonth(200711), 30);
    EXPECT_EQ(DaysInMonth(200701), 31);
    EXPECT_EQ(DaysInMonth(200712), 31);
    EXPECT_EQ(DaysInMonth(210002), 29);  // no century exception
}

TEST(CalendarGeometry, CellsLeaveTwoPixelGaps) {
    EXPECT_EQ(CalendarCellRect(0, kSize), QRect(0, 0, 100, 99));
    EXPECT_EQ(CalendarCellRect(1, kSize), QRect(102, 0, 100, 99));
    EXPECT_EQ(CalendarCellRect(6, kSize), QRect(612, 0, 100, 99));
    EXPECT_EQ(CalendarCellRect(7, kSize), QRect(0, 101, 100, 99));
    EXPECT_EQ(CalendarCellRect(30, kSize), QRect(204, 404, 100, 99));
    EXPECT_TRUE(CalendarCellRect(0, QSize(5, 5)).isEmpty());
}

TEST(CalendarGeometry, SessionsShareTheRoomBelowTheDate) {
    // Rows 0 to 98, so B = 99: room (99 - 2) - (0 + 2) - 20 = 75, 37.5 per band of two.
    const QRect cell(0, 0, 100, 99);
    const std::vector<QRect> one = SessionBandRects(cell, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], QRect(QPoint(3, 22), QPoint(96, 96)));
    const std::vector<QRect> two = SessionBandRects(cell, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], QRect(QPoint(3, 22), QPoint(96, 58)));  // 22 + 37.5 truncates to 59
    EXPECT_EQ(two[1], QRect(QPoint(3, 59), QPoint(96, 95)));  // from trunc(59.5) to 59 + 37.5
    EXPECT_TRUE(SessionBandRects(cell, 0).empty());
}

TEST_F(CalendarTest, BuildMonthMakesOneCellPerDayAndSelectsTheFirst) {
    EXPECT_EQ(m_calendar.MonthKey(), -1);
    EXPECT_EQ(m_calendar.SelectedDay(), nullptr);
    for (const auto& [month, days] : {std::pair{200802, 29}, {200702, 28}, {200804, 30}}) {
        m_calendar.ClearMonth();
        m_calendar.BuildMonth(month);
        ASSERT_EQ(int(m_calendar.Days().size()), days) << month;
        EXPECT_EQ(Day(1).dayKey, month * 100 + 1);
        EXPECT_EQ(Day(days).dayKey, month * 100 + days);
        EXPECT_EQ(m_calendar.SelectedDay(), &Day(1));
        EXPECT_EQ(Day(days).rect, CalendarCellRect(days - 1, kSize));
    }
    m_calendar.ClearMonth();
    EXPECT_TRUE(m_calendar.Days().empty());
    EXPECT_EQ(m_calendar.SelectedDay(), nullptr);
    EXPECT_EQ(m_calendar.MonthKey(), 200804);
}

TEST_F(CalendarTest, SelectedDayHasABlueFrame) {
    m_calendar.BuildMonth(200703);
    QImage shot = Shot();
    EXPECT_EQ(shot.pixel(0, 0), CCalendarCtrl::kSelectedFrame.rgb());
    EXPECT_EQ(shot.pixel(99, 98), CCalendarCtrl::kSelectedFrame.rgb());
    EXPECT_EQ(shot.pixel(102, 0), CCalendarCtrl::kFrame.rgb());
    EXPECT_EQ(shot.pixel(95, 95), CCalendarCtrl::kEmptyFill.rgb());
    const QRgb face = m_calendar.palette().color(QPalette::Button).rgb();
    EXPECT_EQ(shot.pixel(100, 50), face);  // the gap
    EXPECT_EQ(shot.pixel(101, 50), face);

    QTest::mouseClick(&m_calendar, Qt::LeftButton, {}, Inside(2));
    shot = Shot();
    EXPECT_EQ(shot.pixel(0, 0), CCalendarCtrl::kFrame.rgb());
    EXPECT_EQ(shot.pixel(102, 0), CCalendarCtrl::kSelectedFrame.rgb());
}

TEST_F(CalendarTest, ClickSelectsTheDayUnderThePointerOnly) {
    m_calendar.BuildMonth(200802);  // 29 days: the fifth row holds one cell
    QSignalSpy clicked(&m_calendar, &CCalendarCtrl::dayClicked);

    QTest::mouseClick(&m_calendar, Qt::LeftButton, {}, QPoint(50, 150));
    EXPECT_EQ(m_calendar.SelectedDay(), &Day(8));
    EXPECT_TRUE(Day(8).selected);
    EXPECT_FALSE(Day(1).selected);
    EXPECT_EQ(clicked.count(), 1);

    for (const QPoint gap :
         {QPoint(100, 150), QPoint(101, 150), QPoint(50, 99), QPoint(50, 100), QPoint(300, 450)}) {
        QTest::mouseClick(&m_calendar, Qt::LeftButton, {}, gap);
        EXPECT_EQ(m_calendar.DayAt(gap), nullptr) << gap.x() << "," << gap.y();
        EXPECT_EQ(m_calendar.SelectedDay(), &Day(8));
    }
    EXPECT_EQ(clicked.count(), 1);

    QTest::mouseClick(&m_calendar, Qt::RightButton, {}, Inside(3));
    EXPECT_EQ(m_calendar.SelectedDay(), &Day(8));
}

TEST_F(CalendarTest, DoubleClickOnADayAsksToOpenIt) {
    m_calendar.BuildMonth(200703);
    QSignalSpy opened(&m_calendar, &CCalendarCtrl::dayDoubleClicked);
    QTest::mouseDClick(&m_calendar, Qt::LeftButton, {}, Inside(15));
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(m_calendar.SelectedDay()->dayKey, 20070315);
    QTest::mouseDClick(&m_calendar, Qt::LeftButton, {}, QPoint(101, 10));
    EXPECT_EQ(opened.count(), 1);
}

TEST_F(CalendarTest, SessionShowsOnEveryDayItCovers) {
    m_calendar.BuildMonth(200703);
    m_calendar.PutSession(Session(5, 20070310, 20070312, 815, QStringLiteral("LAC DU CHÂTEAU")));
    for (int day = 1; day <= 31; ++day) {
        const bool covered = day >= 10 && day <= 12;
        EXPECT_EQ(Day(day).sessions.size(), covered ? 1u : 0u) << day;
    }
    EXPECT_EQ(Day(10).sessions[0].comment, QStringLiteral("commentaire"));
    EXPECT_EQ(DayBandTexts(Day(10)), QStringList{QStringLiteral("08:15 - LAC DU CHÂTEAU")});
    EXPECT_EQ(DayBandTexts(Day(11)), QStringList{QStringLiteral("...")});
    EXPECT_EQ(DayBandTexts(Day(12)), QStringList{QStringLiteral("...")});
    EXPECT_EQ(DayCaption(Day(10).dayKey), QStringLiteral("10/03/2007"));

    const QImage shot = Shot();
    for (int day = 9; day <= 13; ++day) {
        const QPoint inner = Day(day).rect.bottomRight() - QPoint(2, 2);
        const bool covered = day >= 10 && day <= 12;
        EXPECT_EQ(shot.pixel(inner),
                  (covered ? CCalendarCtrl::kSessionFill : CCalendarCtrl::kEmptyFill).rgb())
            << day;
    }
}

TEST_F(CalendarTest, SessionCrossingTheMonthShowsOnItsDaysInside) {
    m_calendar.BuildMonth(200703);
    m_calendar.PutSession(Session(1, 20070227, 20070302, 730, QString(10, QLatin1Char(' '))));
    m_calendar.PutSession(Session(2, 20070331, 20070401, 730, QString(10, QLatin1Char(' '))));
    EXPECT_EQ(DayBandTexts(Day(1)), QStringList{QStringLiteral("...")});
    EXPECT_EQ(DayBandTexts(Day(2)), QStringList{QStringLiteral("...")});
    EXPECT_TRUE(Day(3).sessions.empty());
    // No place: the ten blanks of the empty label follow the hyphen.
    EXPECT_EQ(DayBandTexts(Day(31)), QStringList{QStringLiteral("07:30 -           ")});
}

TEST_F(CalendarTest, PuttingAShownSessionAgainMovesIt) {
    m_calendar.BuildMonth(200703);
    m_calendar.PutSession(Session(5, 20070310, 20070312, 815, QStringLiteral("ÉTANG")));
    m_calendar.PutSession(Session(6, 20070311, 20070311, 1400, QStringLiteral("RIVIÈRE")));
    m_calendar.PutSession(Session(5, 20070312, 20070314, 900, QStringLiteral("ÉTANG")));
    EXPECT_TRUE(Day(10).sessions.empty());
    EXPECT_EQ(DayBandTexts(Day(11)), QStringList{QStringLiteral("14:00 - RIVIÈRE")});
    EXPECT_EQ(DayBandTexts(Day(12)), QStringList{QStringLiteral("09:00 - ÉTANG")});
    EXPECT_EQ(DayBandTexts(Day(14)), QStringList{QStringLiteral("...")});

    m_calendar.DropSession(5);
    for (int day = 12; day <= 14; ++day) EXPECT_TRUE(Day(day).sessions.empty()) << day;
    EXPECT_EQ(Day(11).sessions.size(), 1u);
}

TEST_F(CalendarTest, TwoSessionsOnOneDayKeepTheirOrder) {
    m_calendar.BuildMonth(200703);
    m_calendar.PutSession(Session(8, 20070320, 20070320, 1800, QStringLiteral("SOIR")));
    m_calendar.PutSession(Session(7, 20070320, 20070320, 600, QStringLiteral("MATIN")));
    EXPECT_EQ(DayBandTexts(Day(20)),
              (QStringList{QStringLiteral("18:00 - SOIR"), QStringLiteral("06:00 - MATIN")}));
    const std::vector<QRect> bands = SessionBandRects(Day(20).rect, 2);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].height(), bands[1].height());
    EXPECT_EQ(bands[1].top(), bands[0].bottom() + 1);
}

TEST_F(CalendarTest, KeysMoveTheDayAndAskForTheNextMonthAtItsEdges) {
    m_calendar.BuildMonth(202610);
    QSignalSpy monthAsked(&m_calendar, &CCalendarCtrl::monthChangeRequested);
    // Each key, the day selected after it, and the day whose month it asks for (0: none).
    const struct {
        Qt::Key key;
        int selected;
        int asked;
    } presses[] = {{Qt::Key_Right, 20261002, 0},       {Qt::Key_Down, 20261009, 0},
                   {Qt::Key_Up, 20261002, 0},          {Qt::Key_Left, 20261001, 0},
                   {Qt::Key_Left, 20261001, 20260930}, {Qt::Key_Up, 20261001, 20260924},
                   {Qt::Key_End, 20261031, 0},         {Qt::Key_Right, 20261031, 20261101},
                   {Qt::Key_Down, 20261031, 20261107}, {Qt::Key_PageUp, 20261031, 20260930},
                   {Qt::Key_Home, 20261001, 0},        {Qt::Key_PageDown, 20261001, 20261101}};
    for (const auto& press : presses) {
        monthAsked.clear();
        QTest::keyClick(&m_calendar, press.key);
        EXPECT_EQ(m_calendar.SelectedDay()->dayKey, press.selected) << press.key;
        EXPECT_EQ(monthAsked.isEmpty() ? 0 : monthAsked.front().front().toInt(), press.asked)
            << press.key;
    }
    QSignalSpy opened(&m_calendar, &CCalendarCtrl::dayActivated);
    QSignalSpy added(&m_calendar, &CCalendarCtrl::addSessionRequested);
    QTest::keyClick(&m_calendar, Qt::Key_Return);
    QTest::keyClick(&m_calendar, Qt::Key_Insert);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(added.count(), 1);
    EXPECT_EQ(m_calendar.focusPolicy(), Qt::StrongFocus);
}

TEST_F(CalendarTest, ScreenReadersReadEachDayWithItsSessions) {
    m_calendar.BuildMonth(202610);
    m_calendar.PutSession(Session(1, 20261015, 20261016, 945, QStringLiteral("GARONNE")));
    m_calendar.PutSession(Session(2, 20261016, 20261016, 1400, QStringLiteral("LOT")));
    m_calendar.SelectDay(20261016);
    QAccessibleInterface* calendar = QAccessible::queryAccessibleInterface(&m_calendar);
    ASSERT_EQ(calendar->childCount(), 31);
    EXPECT_EQ(calendar->child(0)->text(QAccessible::Name), QStringLiteral("01/10/2026"));
    EXPECT_EQ(calendar->child(14)->text(QAccessible::Name),
              QStringLiteral("15/10/2026 : 09:45 - GARONNE"));
    EXPECT_EQ(calendar->child(15)->text(QAccessible::Name),
              QStringLiteral("16/10/2026 : 09:45 - GARONNE (suite), 14:00 - LOT"));
    EXPECT_TRUE(calendar->child(15)->state().selected);
    EXPECT_FALSE(calendar->child(14)->state().selected);
    EXPECT_EQ(calendar->indexOfChild(calendar->child(15)), 15);
    const QPoint centre = m_calendar.mapToGlobal(Inside(20));
    EXPECT_EQ(calendar->childAt(centre.x(), centre.y()), calendar->child(19));
}

TEST(CalendarToolTip, GivesTheWholeTextOfADayThatCannotShowIt) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const QRect wide(0, 0, 300, 100);
    CCalendarDay day;
    day.dayKey = 20261015;
    EXPECT_EQ(DayToolTip(day, wide, metrics), QString());
    day.sessions.push_back(Session(1, 20261015, 20261015, 945, QStringLiteral("GARONNE")));
    EXPECT_EQ(DayToolTip(day, wide, metrics), QString());
    // Too narrow for the place, then too many sessions for the height.
    EXPECT_EQ(DayToolTip(day, QRect(0, 0, 80, 100), metrics),
              QStringLiteral("15/10/2026\n09:45 - GARONNE"));
    for (int i = 2; i <= 6; ++i)
        day.sessions.push_back(Session(i, 20261014, 20261015, 600, QStringLiteral("LOT")));
    EXPECT_EQ(DayToolTip(day, wide, metrics).count(u'\n'), 6);
    EXPECT_TRUE(DayToolTip(day, wide, metrics).endsWith(QStringLiteral("06:00 - LOT (suite)")));
}
