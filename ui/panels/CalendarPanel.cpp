#include "ui/panels/CalendarPanel.h"

#include <QResizeEvent>

#include "widgets/CalendarCtrl.h"

CCalendarPanel::CCalendarPanel(QWidget* parent)
    : CPanelDialog(parent), m_calendar(new CCalendarCtrl(this)) {
    setAccessibleName(QStringLiteral("Calendrier"));
    m_calendar->setAccessibleName(QStringLiteral("Calendrier des sessions"));
    // The calendar selects the clicked day itself; what a double click opens is the view's
    // business, since it owns the session dialogs.
    connect(m_calendar, &CCalendarCtrl::dayDoubleClicked, this,
            &CCalendarPanel::editSelectedDayRequested);
    connect(m_calendar, &CCalendarCtrl::dayActivated, this,
            &CCalendarPanel::editSelectedDayRequested);
    connect(m_calendar, &CCalendarCtrl::addSessionRequested, this,
            &CCalendarPanel::addSessionRequested);
    connect(m_calendar, &CCalendarCtrl::monthChangeRequested, this,
            &CCalendarPanel::monthChangeRequested);
}

void CCalendarPanel::ShowPanel() { show(); }

ICalendarView& CCalendarPanel::Calendar() { return *m_calendar; }

void CCalendarPanel::resizeEvent(QResizeEvent* event) {
    CPanelDialog::resizeEvent(event);
    m_calendar->setGeometry(rect());
}
