#include "ui/dialogs/CatchViewDialog.h"
#include "catalog/CatalogKind.h"

#include <QKeyEvent>
#include <QResizeEvent>

#include "catalog/CatchDatabase.h"
#include "ui/dialogs/DialogSize.h"
#include "ui/panels/CatchPanel.h"

namespace {

constexpr int kMargin = 5;

}  // namespace

CCatchViewDialog::CCatchViewDialog(CCatchDatabase& db, int catchId, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Visualisation"));
    m_panel = new CCatchPanel(this);
    m_panel->setAccessibleName(QStringLiteral("Visualisation"));
    ResizeToDialogUnits(*this, 433, 345);
    m_panel->setGeometry(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
    m_panel->ApplyOptions(db);
    db.FillPanel(*m_panel, Category::Catches, catchId);

    // The panel swallows Escape so that it never closes the main view's dialogs; this
    // window has no buttons, so Escape pressed anywhere inside it must still close it.
    m_panel->installEventFilter(this);
}

bool CCatchViewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CCatchViewDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize client = event->size();
    m_panel->setGeometry(kMargin, kMargin, client.width() - 2 * kMargin,
                         client.height() - 2 * kMargin);
}
