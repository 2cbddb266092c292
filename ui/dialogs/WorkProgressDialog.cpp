#include "ui/dialogs/WorkProgressDialog.h"

#include <QCoreApplication>

namespace {
// The bar counts in thousandths: totals in bytes do not fit an int.
constexpr int kSteps = 1000;
// Work that ends sooner shows no dialog at all.
constexpr int kShowAfterMs = 400;
}  // namespace

CWorkProgressDialog::CWorkProgressDialog(QWidget* parent, const QString& title)
    : m_dialog(QString(), QStringLiteral("Annuler"), 0, kSteps, parent) {
    m_dialog.setWindowTitle(title);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(kShowAfterMs);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setAccessibleName(title);
    m_dialog.setValue(0);
}

void CWorkProgressDialog::SetStep(const QString& text) {
    m_dialog.setLabelText(text);
    QCoreApplication::processEvents();
}

bool CWorkProgressDialog::Advance(qint64 done, qint64 total) {
    const int value = total > 0 ? static_cast<int>(done * kSteps / total) : 0;
    m_dialog.setValue(std::clamp(value, 0, kSteps));
    QCoreApplication::processEvents();
    return !m_dialog.wasCanceled();
}
