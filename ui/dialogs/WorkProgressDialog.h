#pragma once

#include <QProgressDialog>

#include "catalog/WorkProgress.h"

// The progress of long work (backup, restore, export, import) as a modal dialog with
// "Annuler": it appears after a moment, and the window keeps repainting meanwhile.
class CWorkProgressDialog : public IWorkProgress {
public:
    CWorkProgressDialog(QWidget* parent, const QString& title);

    void SetStep(const QString& text) override;
    bool Advance(qint64 done, qint64 total) override;

private:
    QProgressDialog m_dialog;
};
