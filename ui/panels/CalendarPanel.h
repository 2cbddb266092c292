#pragma once

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CCalendarCtrl;

// One month of sessions. A click selects a day (the calendar does it); a double click asks
// the view to edit the sessions of the selected day.
class CCalendarPanel : public CPanelDialog, public ICalendarPanel {
    Q_OBJECT
public:
    explicit CCalendarPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    ICalendarView& Calendar() override;
    CCalendarCtrl& CalendarCtrl() { return *m_calendar; }

signals:
    void editSelectedDayRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CCalendarCtrl* m_calendar;
};
