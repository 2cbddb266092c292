#include "ui/panels/CatalogTextPanel.h"

#include <QResizeEvent>
#include <algorithm>

#include "widgets/ColorLabel.h"
#include "widgets/StyledEdit.h"

CatalogTextPanelGeometry ComputeCatalogTextPanelLayout(const QSize& size) {
    CatalogTextPanelGeometry g;
    g.title = QRect(0, 0, size.width(), 30);
    g.description = QRect(0, 35, size.width(), std::max(0, size.height() - 35));
    return g;
}

CCatalogTextPanel::CCatalogTextPanel(QWidget* parent)
    : CPanelDialog(parent), m_title(new CColorLabel(this)), m_description(new CStyledEdit(this)) {
    setAccessibleName(QStringLiteral("Fiche du catalogue"));
    StylePanelTitle(*m_title);
    StylePanelText(*m_description, QStringLiteral("Description"));
    m_description->SetText(QString());
}

void CCatalogTextPanel::ShowPanel() { show(); }

void CCatalogTextPanel::SetTitle(const QString& text) { m_title->setText(text); }

void CCatalogTextPanel::SetDescription(const QString& text) { m_description->SetText(text); }

void CCatalogTextPanel::SetTextFontHeight(int pixels) { m_description->SetFontHeight(pixels); }

void CCatalogTextPanel::resizeEvent(QResizeEvent* event) {
    CPanelDialog::resizeEvent(event);
    const CatalogTextPanelGeometry g = ComputeCatalogTextPanelLayout(size());
    m_title->setGeometry(g.title);
    m_description->setGeometry(g.description);
}
