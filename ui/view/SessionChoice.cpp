#include "ui/view/SessionChoice.h"

#include "ui/dialogs/ChooseSessionDialog.h"
#include "widgets/CalendarCtrl.h"

int ChooseSessionOfSelectedDay(CCatchDatabase& db, CCalendarCtrl& calendar, QWidget* parent) {
    const CCalendarDay* day = calendar.SelectedDay();
    if (day == nullptr || day->sessions.empty()) return -1;
    if (day->sessions.size() == 1) return day->sessions.front().id;
    CChooseSessionDialog chooser(db, *day, parent);
    if (chooser.exec() != QDialog::Accepted) return -1;
    return chooser.ChosenSessionId();
}
