#include "ui/panels/PanelDialog.h"

#include <QKeyEvent>

#include "catalog/CatchDatabase.h"
#include "widgets/ColorLabel.h"
#include "widgets/StyledEdit.h"

CPanelDialog::CPanelDialog(QWidget* parent) : QWidget(parent) {}

void CPanelDialog::keyPressEvent(QKeyEvent* event) {
    // Accepting Escape here stops it before a hosting dialog would take it as "close".
    if (m_swallowEscape && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StylePanelText(CStyledEdit& edit, const QString& accessibleName) {
    edit.setReadOnly(true);
    edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit.SetBold(true);
    edit.SetBackColor(kPanelBackColor);
    edit.setAccessibleName(accessibleName);
}

void StylePanelTitle(CColorLabel& label) {
    // No fixed accessible name: a screen reader reads the title itself.
    label.SetFontHeight(20);
    label.SetBold(true);
    label.SetBackColor(kPanelBackColor);
    label.setAlignment(Qt::AlignCenter);
    label.setAccessibleDescription(QStringLiteral("Titre"));
}

int ReadIntOption(CCatchDatabase& db, const QString& key) {
    bool ok = false;
    const int value = db.GetOption(key).trimmed().toInt(&ok);
    return ok ? value : 0;
}
