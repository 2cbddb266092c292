#pragma once

#include <QDialog>

class QComboBox;
class CCatchDatabase;
struct CCalendarDay;

// Asks which of the sessions of one calendar day is meant. Rows read
// "HH:MM - HH:MM : place", sorted, the first one selected.
class CChooseSessionDialog : public QDialog {
    Q_OBJECT
public:
    CChooseSessionDialog(CCatchDatabase& db, const CCalendarDay& day, QWidget* parent = nullptr);

    // The chosen session after "OK"; -1 before.
    int ChosenSessionId() const { return m_chosenId; }

public slots:
    void accept() override;  // "OK"

private:
    QComboBox* m_sessions = nullptr;
    int m_chosenId = -1;
};
