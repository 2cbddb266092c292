#include "ui/panels/StatisticsPanel.h"

#include <QResizeEvent>

#include "widgets/StyledEdit.h"

CStatisticsPanel::CStatisticsPanel(QWidget* parent)
    : CPanelDialog(parent), m_records(new CStyledEdit(this)) {
    setAccessibleName(QStringLiteral("Statistiques"));
    StylePanelText(*m_records, QStringLiteral("Vos records"));
    m_records->SetText(QString());
}

void CStatisticsPanel::ShowPanel() { show(); }

void CStatisticsPanel::SetRecordsText(const QString& text) { m_records->SetText(text); }

void CStatisticsPanel::SetTextFontHeight(int pixels) { m_records->SetFontHeight(pixels); }

void CStatisticsPanel::resizeEvent(QResizeEvent* event) {
    CPanelDialog::resizeEvent(event);
    m_records->setGeometry(rect());
}
