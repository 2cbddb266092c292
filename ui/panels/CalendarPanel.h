#pragma once

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CCalendarCtrl;

// One month of sessions. A click selects a day (the calendar does it); a double click or Enter
// asks the view to edit the sessions of the selected day, Insert to add one.
class CCalendarPanel : public CPanelDialog, public ICalendarPanel {
    Q_OBJECT
public:
    explicit CCalendarPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    ICalendarView& Calendar() override;
    CCalendarCtrl& CalendarCtrl() { return *m_calendar; }

signals:
    void editSelectedDayRequested();
    // Insert on the calendar: a new session on its selected day.
    void addSessionRequested();
    // The keyboard stepped out of the month shown: the view shows the month of dayKey.
    void monthChangeRequested(int dayKey);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CCalendarCtrl* m_calendar;
};
