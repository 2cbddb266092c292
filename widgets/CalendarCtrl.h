#pragma once

#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

#include "catalog/CalendarSession.h"
#include "catalog/DisplayPanels.h"

// One day cell of the month.
struct CCalendarDay {
    int dayKey = 0;
    bool selected = false;
    QRect rect;  // set by the last layout; empty until then
    std::vector<CCalendarSession> sessions;  // in the order they were put
};

// Number of days of a month key YYYYMM (February has 29 days in years divisible by 4).
int DaysInMonth(int monthKey);
// Rectangle of cell index i (0-based, day order) in a W x H control. Painting, hit-testing
// and tests share it.
QRect CalendarCellRect(int index, const QSize& size);

// One month of sessions as day cells, seven to a row, day 1 at the top left.
class CCalendarCtrl : public QWidget, public ICalendarView {
    Q_OBJECT
public:
    explicit CCalendarCtrl(QWidget* parent = nullptr);

    void ClearMonth() override;
    void BuildMonth(int monthKey) override;
    void PutSession(const CCalendarSession& session) override;
    void RepaintNow() override;
    void DropSession(int sessionId);
    CCalendarDay* DayAt(const QPoint& point);
    void SelectDayAt(const QPoint& point);
    CCalendarDay* SelectedDay();
    int MonthKey() const;
    const std::vector<std::unique_ptr<CCalendarDay>>& Days() const;

signals:
    void dayClicked();
    void dayDoubleClicked();
};
