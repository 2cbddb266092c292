#pragma once

#include <QDialog>

class CCatchDatabase;
class CCatchPanel;

// Shows the sheet of one catch, read-only, in a catch panel filling the dialog. Closed with
// its close box or Escape.
class CCatchViewDialog : public QDialog {
    Q_OBJECT
public:
    CCatchViewDialog(CCatchDatabase& db, int catchId, QWidget* parent = nullptr);

    CCatchPanel& Panel() { return *m_panel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CCatchPanel* m_panel = nullptr;
};
