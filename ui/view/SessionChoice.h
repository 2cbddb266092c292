#pragma once

class QWidget;
class CCalendarCtrl;
class CCatchDatabase;

// The session of the calendar's selected day that a command acts on: -1 when the day holds
// none (or no day is selected) or the chooser is cancelled; the session itself when there is
// one; the chooser's answer when there are several.
int ChooseSessionOfSelectedDay(CCatchDatabase& db, CCalendarCtrl& calendar, QWidget* parent);
