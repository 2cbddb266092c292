#include "ui/panels/CatalogPhotoPanel.h"

#include <QResizeEvent>
#include <algorithm>

#include "catalog/CatalogKind.h"
#include "catalog/PicturePaths.h"
#include "store/AppHelpers.h"
#include "widgets/ColorLabel.h"
#include "widgets/PictureStatic.h"
#include "widgets/StyledEdit.h"

CatalogPhotoPanelGeometry ComputeCatalogPhotoPanelLayout(const QSize& size) {
    const int w = size.width();
    const int h = size.height();
    const int pictureHeight = h * 40 / 100;
    CatalogPhotoPanelGeometry g;
    g.title = QRect(0, 0, w, 30);
    g.picture = QRect(0, 35, w, pictureHeight);
    g.description = QRect(0, pictureHeight + 40, w, std::max(0, h - pictureHeight - 40));
    return g;
}

CCatalogPhotoPanel::CCatalogPhotoPanel(QWidget* parent)
    : CPanelDialog(parent),
      m_title(new CColorLabel(this)),
      m_picture(new CPictureStatic(this)),
      m_description(new CStyledEdit(this)) {
    setAccessibleName(QStringLiteral("Fiche du catalogue"));
    StylePanelTitle(*m_title);
    StylePanelText(*m_description, QStringLiteral("Description"));
    m_picture->setAccessibleName(QStringLiteral("Photo"));
    m_description->SetText(QString());
    SetPictureName(QString());
}

void CCatalogPhotoPanel::ShowPanel() { show(); }

void CCatalogPhotoPanel::SetTitle(const QString& text) { m_title->setText(text); }

void CCatalogPhotoPanel::SetPictureName(const QString& fileName) {
    m_picture->SetPicture(PicturePath(GetProgramDirectory(), PictureFolderOf(m_kind), fileName));
}

void CCatalogPhotoPanel::SetDescription(const QString& text) { m_description->SetText(text); }

void CCatalogPhotoPanel::SetTextFontHeight(int pixels) { m_description->SetFontHeight(pixels); }

void CCatalogPhotoPanel::resizeEvent(QResizeEvent* event) {
    CPanelDialog::resizeEvent(event);
    const CatalogPhotoPanelGeometry g = ComputeCatalogPhotoPanelLayout(size());
    m_title->setGeometry(g.title);
    m_picture->setGeometry(g.picture);
    m_description->setGeometry(g.description);
}
