#include "ui/dialogs/CatalogPhotoDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "catalog/CatalogKind.h"
#include "catalog/UserTextChecks.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/ImagePickerDialog.h"

CCatalogPhotoDialog::CCatalogPhotoDialog(CCatchDatabase& db, int id, Table kind, QWidget* parent)
    : CCatalogItemDialogBase(db, id, kind, parent) {
    m_photo = new QLineEdit;
    NameControl(*m_photo, "photoEdit", QStringLiteral("Photo : "));
    m_photo->setReadOnly(true);
    m_photo->setMaxLength(255);
    QPushButton* choose = NewEllipsisButton("photoButton", QStringLiteral("Choisir une photo"));
    connect(choose, &QPushButton::clicked, this, &CCatalogPhotoDialog::ChoosePhoto);
    auto* row = new QHBoxLayout;
    row->addWidget(m_photo, 1);
    row->addWidget(choose);
    Form().addRow(NewFieldLabel(QStringLiteral("Photo : "), *m_photo, nullptr), row);
    if (kind == Table::Places) {
        const QString label = QStringLiteral("Coordonnées GPS :");
        m_gps = new QLineEdit;
        NameControl(*m_gps, "gpsEdit", label);
        m_gps->setMaxLength(kGpsMaxChars);
        m_gps->setToolTip(QStringLiteral("Par exemple 48.57N 4.75E ou 48°36'00\"N 4°48'12\"E"));
        Form().addRow(NewFieldLabel(label, *m_gps, nullptr), m_gps);
    }
    Finish();
    setTabOrder(m_photo, choose);
    ResizeToDialogUnits(*this, 408, 230);
}

QString CCatalogPhotoDialog::PhotoName() const { return m_photo->text(); }

void CCatalogPhotoDialog::SetPhotoName(const QString& name) { m_photo->setText(name); }

QString CCatalogPhotoDialog::Gps() const { return m_gps ? m_gps->text() : QString(); }

void CCatalogPhotoDialog::SetGps(const QString& text) {
    if (m_gps) m_gps->setText(text);
}

// "Annuler" in the picker leaves the field as it was; there is no way to empty it other than
// choosing another picture.
void CCatalogPhotoDialog::ChoosePhoto() {
    CImagePickerDialog picker(PictureFolderOf(Kind()), this);
    if (picker.exec() == QDialog::Accepted) m_photo->setText(picker.ChosenFileName());
}
