#include "ui/dialogs/ChooseSessionDialog.h"
#include "catalog/CatalogKind.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalog/CatchDatabase.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/view/ListTargets.h"
#include "widgets/CalendarCtrl.h"

namespace {

// An HHMM time as "HH:MM", read from its four-digit text as the calendar writes it.
QString HoursMinutes(int timeKey) {
    const QString digits = QString::asprintf("%04d", timeKey);
    return digits.left(2) + QLatin1Char(':') + digits.right(2);
}

}  // namespace

CChooseSessionDialog::CChooseSessionDialog(CCatchDatabase& db, const CCalendarDay& day,
                                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("Sélectionner la session ..."));

    const QString caption = QString::fromUtf8("Session : ");
    auto* label = new QLabel(caption);
    m_sessions = new QComboBox;
    m_sessions->setObjectName(QStringLiteral("sessions"));
    m_sessions->setAccessibleName(AccessibleLabel(caption));
    label->setBuddy(m_sessions);

    // The rows are sorted by their text, so the earliest start of the day comes first.
    CComboTarget target(*m_sessions);
    for (const CCalendarSession& session : day.sessions) {
        const QString text =
            QStringLiteral("%1 - %2 : %3")
                .arg(HoursMinutes(session.startTime), HoursMinutes(session.endTime),
                     db.GetLabel(session.placeId, Table::Places));
        target.Append(text, session.id);
    }
    target.SelectRow(target.Count() > 0 ? 0 : -1);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_sessions, 1);
    auto* buttonRow = new QHBoxLayout;
    AddDialogButtons(*this, *buttonRow, QStringLiteral("OK"), "okButton");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttonRow);
    ResizeToDialogUnits(*this, 285, 46);
}

void CChooseSessionDialog::accept() {
    const int index = m_sessions->currentIndex();
    if (index < 0) return;
    m_chosenId = m_sessions->itemData(index).toInt();
    QDialog::accept();
}
