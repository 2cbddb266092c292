#pragma once

#include <QDialog>

#include "catalog/EntryForms.h"

class QComboBox;
class QDateEdit;
class QListWidget;
class QPushButton;
class QTimeEdit;
class CCalendarCtrl;
class CLimitedPlainTextEdit;
class CCatchDatabase;

// Enters or changes one angling session and lists the catches taken during it. After a
// successful store the session is put into the calendar control at once.
class CSessionDialog : public QDialog, public ISessionForm {
    Q_OBJECT
public:
    // sessionId -1 for a new session, whose dates default to selectedDayKey (YYYYMMDD).
    CSessionDialog(CCatchDatabase& db, int sessionId, int selectedDayKey, CCalendarCtrl& calendar,
                   QWidget* parent = nullptr);

    // -1 until a new session is stored, then its identifier.
    int SessionId() const { return m_sessionId; }

    // ISessionForm: day keys YYYYMMDD, times HHMM (07:30 is 730).
    int StartDay() const override;
    int EndDay() const override;
    int StartTime() const override;
    int EndTime() const override;
    int Place() const override;
    QString Comment() const override;
    void SetStart(int dayKey, int timeKey) override;
    void SetEnd(int dayKey, int timeKey) override;
    void SetPlace(int placeId) override;
    void SetComment(const QString& text) override;

public slots:
    void accept() override;  // "Valider"

private slots:
    void OnNewPlace();
    void OnViewCatch();

private:
    void BuildControls();
    void FillPlaces();
    void FillCatches();
    void StoreIntoCalendar();

    CCatchDatabase& m_db;
    CCalendarCtrl& m_calendar;
    int m_sessionId;

    QDateEdit* m_startDate = nullptr;
    QTimeEdit* m_startTime = nullptr;
    QDateEdit* m_endDate = nullptr;
    QTimeEdit* m_endTime = nullptr;
    QComboBox* m_place = nullptr;
    QPushButton* m_newPlace = nullptr;
    CLimitedPlainTextEdit* m_comment = nullptr;
    QListWidget* m_catches = nullptr;
    QPushButton* m_viewCatch = nullptr;
};
