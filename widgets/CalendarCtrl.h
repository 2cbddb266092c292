#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "catalog/CalendarSession.h"
#include "catalog/DisplayPanels.h"
#include "widgets/AccessibleCells.h"

// One day cell of the month.
struct CCalendarDay {
    int dayKey = 0;
    bool selected = false;
    QRect rect;                              // set by the last layout; empty until then
    std::vector<CCalendarSession> sessions;  // in the order they were put
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

// The text area of a cell, inside its frame: the date line at its top, the session bands below.
QRect DayTextRect(const QRect& cell);

// The date line of a cell: "dd/mm/yyyy".
QString DayCaption(int dayKey);

// Text of one session in the band of a day: "HH:MM - place" on the day it starts, "..."
// on the other days it covers.
QString SessionBandText(int dayKey, const CCalendarSession& session);
// The band texts of a day, in the order its sessions were put.
QStringList DayBandTexts(const CCalendarDay& day);

// What a screen reader says for a day: "15/10/2026 : 09:45 - GARONNE", the sessions joined by
// ", ", a session begun earlier named by its place and "(suite)".
QString DaySpokenText(const CCalendarDay& day);

// The whole text of a day ("15/10/2026" and one line per session) when the cell of this rectangle
// cannot show it in the font of these metrics; empty when everything fits.
QString DayToolTip(const CCalendarDay& day, const QRect& cell, const QFontMetrics& metrics);

// The day key `days` days after (before, when negative) a day key, across months and years.
int DayKeyAfter(int dayKey, int days);

// One month of sessions as day cells, seven to a row, day 1 at the top left.
//
// Keyboard: the arrows move the selected day (a step out of the month asks for the next or the
// previous month with monthChangeRequested), Home and End go to the first and last day, Page Up
// and Page Down to the same day of the previous and next month, Enter asks to open the day's
// sessions and Insert to add one.
class CCalendarCtrl : public QWidget, public ICalendarView, public IAccessibleCells {
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
    void DropSession(int sessionId);
    CCalendarDay* DayAt(const QPoint& point);
    void SelectDayAt(const QPoint& point);
    CCalendarDay* SelectedDay();
    // Selects the day of this key when the month holds it; false otherwise.
    bool SelectDay(int dayKey);
    int MonthKey() const;
    const std::vector<std::unique_ptr<CCalendarDay>>& Days() const;

    // IAccessibleCells: one cell per day.
    int CellCount() const override;
    QString CellName(int index) const override;
    QRect CellRect(int index) const override;
    int CurrentCell() const override;

signals:
    // A left click landed on a day (which is now the selected day).
    void dayClicked();
    // A left double click landed on a day; SelectedDay() is that day.
    void dayDoubleClicked();
    // Enter on the selected day.
    void dayActivated();
    // Insert: a new session on the selected day.
    void addSessionRequested();
    // The keyboard left the month: the month of dayKey should be shown, with that day selected.
    void monthChangeRequested(int dayKey);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SelectCell(CCalendarDay* day);
    void MoveSelection(int days);
    void StepMonth(int months);
    void ShowToolTip(const QPoint& point, const QPoint& globalPoint);
    void LayoutCells();
    void PaintDay(QPainter& painter, const CCalendarDay& day) const;

    int m_monthKey = -1;
    std::vector<std::unique_ptr<CCalendarDay>> m_days;
    CCalendarDay* m_selected = nullptr;
    QFont m_cellFont;
};
