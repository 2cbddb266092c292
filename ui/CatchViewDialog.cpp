#include "ui/CatchViewDialog.h"

#include <QKeySequence>
#include <QResizeEvent>
#include <QShortcut>

#include "catalog/CatchDatabase.h"
#include "ui/CatchPanel.h"

namespace {

constexpr int kCatchKind = 1;
constexpr int kMargin = 5;

}  // namespace

CCatchViewDialog::CCatchViewDialog(CCatchDatabase& db, int catchId, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Visualisation"));
    m_panel = new CCatchPanel(this);
    m_panel->setAccessibleName(QStringLiteral("Visualisation"));
    resize(650, 560);
    m_panel->setGeometry(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
    m_panel->ApplyOptions(db);
    db.FillPanel(*m_panel, kCatchKind, catchId);

    // The panel keeps Escape from the view's own dialogs; this window has no buttons, so
    // Escape must still close it whatever child holds the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &CCatchViewDialog::reject);
}

void CCatchViewDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize client = event->size();
    m_panel->setGeometry(kMargin, kMargin, client.width() - 2 * kMargin,
                         client.height() - 2 * kMargin);
}
