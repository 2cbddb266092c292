#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "catalog/CalendarSession.h"
#include "catalog/DisplayPanels.h"
#include "widgets/CalendarSky.h"

// One day cell of the month.
struct CCalendarDay {
    int dayKey = 0;
    bool selected = false;
    QRect rect;                              // set by the last layout; empty until then
    std::vector<CCalendarSession> sessions;  // in the order they were put
    CCalendarSky sky;
};

// Number of days of a month key YYYYMM (February has 29 days in years divisible by 4).
int DaysInMonth(int monthKey);

// Rectangle of cell index i (0-based, day order) in a W x H control. Painting, hit-testing
// and tests share it.
//
// Cells are h = trunc(0.2 H) high and w = trunc(W / 7) wide, placed every w + 1 pixels
// across and h + 1 down, and a cell's own area leaves out its last column and row (they
// belong to the 2-pixel gap between cells). The QRect returned holds exactly the pixels
// the cell covers: QRect(x, y, w - 1, h - 1), so its right() is x + w - 2 and a point in a
// gap is contained in no cell. Empty when the control is too small for any cell.
QRect CalendarCellRect(int index, const QSize& size);

// Rectangles of the bands of a cell holding `count` sessions, one under the other below the
// date line, each a count-th of the remaining room, clipped to the cell's text margins.
std::vector<QRect> SessionBandRects(const QRect& cell, int count);

// The date line of a cell: "dd/mm/yyyy".
QString DayCaption(int dayKey);

// Text of one session in the band of a day: "HH:MM - place" on the day it starts, "..."
// on the other days it covers.
QString SessionBandText(int dayKey, const CCalendarSession& session);
// The band texts of a day, in the order its sessions were put.
QStringList DayBandTexts(const CCalendarDay& day);

// One month of sessions as day cells, seven to a row, day 1 at the top left.
class CCalendarCtrl : public QWidget, public ICalendarView {
    Q_OBJECT
public:
    static inline const QColor kFrame{0, 0, 0};
    static inline const QColor kSelectedFrame{0, 0, 255};
    static inline const QColor kSessionFill{255, 255, 183};
    static inline const QColor kEmptyFill{255, 255, 223};

    explicit CCalendarCtrl(QWidget* parent = nullptr);

    void ClearMonth() override;
    void BuildMonth(int monthKey) override;
    void PutSession(const CCalendarSession& session) override;
    void RepaintNow() override;
    void SetSkyPosition(const std::optional<GeoPosition>& where) override;
    void DropSession(int sessionId);
    CCalendarDay* DayAt(const QPoint& point);
    void SelectDayAt(const QPoint& point);
    CCalendarDay* SelectedDay();
    int MonthKey() const;
    const std::vector<std::unique_ptr<CCalendarDay>>& Days() const;

signals:
    // A left click landed on a day (which is now the selected day).
    void dayClicked();
    // A left double click landed on a day; SelectedDay() is that day.
    void dayDoubleClicked();

protected:
    bool event(QEvent* event) override;  // the tooltip of the day under the pointer
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void LayoutCells();
    void PaintDay(QPainter& painter, const CCalendarDay& day) const;
    void PaintSky(QPainter& painter, const CCalendarDay& day) const;

    int m_monthKey = -1;
    std::vector<std::unique_ptr<CCalendarDay>> m_days;
    CCalendarDay* m_selected = nullptr;
    QFont m_cellFont;
    std::optional<GeoPosition> m_skyPosition;
};
