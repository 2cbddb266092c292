#pragma once

#include <QRect>
#include <QSize>

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CColorLabel;
class CStyledEdit;

struct CatalogTextPanelGeometry {
    QRect title;
    QRect description;
};
CatalogTextPanelGeometry ComputeCatalogTextPanelLayout(const QSize& size);

// A row of the catalogues without a picture: title and description.
class CCatalogTextPanel : public CPanelDialog, public ICatalogTextPanel {
    Q_OBJECT
public:
    explicit CCatalogTextPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    void SetTitle(const QString& text) override;
    void SetDescription(const QString& text) override;
    void SetTextFontHeight(int pixels);

    CColorLabel& Title() { return *m_title; }
    CStyledEdit& Description() { return *m_description; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CColorLabel* m_title;
    CStyledEdit* m_description;
};
