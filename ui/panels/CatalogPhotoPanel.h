#pragma once

#include <QRect>
#include <QSize>

#include "catalog/CatalogKind.h"
#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CColorLabel;
class CPictureStatic;
class CStyledEdit;

struct CatalogPhotoPanelGeometry {
    QRect title;
    QRect picture;
    QRect description;
};
CatalogPhotoPanelGeometry ComputeCatalogPhotoPanelLayout(const QSize& size);

// A row of the catalogues with a picture (fish, places, baits, groundbaits, rigs): title,
// picture from the kind's folder, description.
class CCatalogPhotoPanel : public CPanelDialog, public ICatalogPhotoPanel {
    Q_OBJECT
public:
    explicit CCatalogPhotoPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    void SetTitle(const QString& text) override;
    void SetPictureName(const QString& fileName) override;
    void SetDescription(const QString& text) override;

    // The kind shown; it chooses the picture folder ("Poissons", "Lieux", ...).
    void SetKind(Table kind) { m_kind = kind; }
    Table Kind() const { return m_kind; }
    void SetTextFontHeight(int pixels);

    CColorLabel& Title() { return *m_title; }
    CPictureStatic& Picture() { return *m_picture; }
    CStyledEdit& Description() { return *m_description; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CColorLabel* m_title;
    CPictureStatic* m_picture;
    CStyledEdit* m_description;
    Table m_kind = Table::Fish;
};
