#pragma once

#include <QRect>
#include <QString>

class QWidget;

// A painted control made of cells (the days of the calendar, the photos of an album) that a
// screen reader reads one by one: each cell is an accessible list item of the control.
class IAccessibleCells {
public:
    virtual ~IAccessibleCells() = default;
    virtual int CellCount() const = 0;
    // What a screen reader says for the cell.
    virtual QString CellName(int index) const = 0;
    // In the control's coordinates; empty when the cell is not shown.
    virtual QRect CellRect(int index) const = 0;
    // The cell the keyboard acts on, -1 when none.
    virtual int CurrentCell() const = 0;
};

// Makes Qt's accessibility describe every widget that implements IAccessibleCells as a list of
// its cells. Called by such widgets when they are created; installs itself once.
void InstallCellsAccessibility();

// Tells screen readers that the current cell of the widget is now `index` (and that it has the
// focus when the widget has it).
void NotifyCurrentCell(QWidget& widget, int index);
