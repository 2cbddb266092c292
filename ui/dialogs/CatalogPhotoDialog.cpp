#include "ui/dialogs/CatalogPhotoDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "catalog/CatalogKind.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/ImagePickerDialog.h"

CCatalogPhotoDialog::CCatalogPhotoDialog(CCatchDatabase& db, int id, int kind, QWidget* parent)
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
    Finish();
    setTabOrder(m_photo, choose);
    ResizeToDialogUnits(*this, 408, 230);
}

QString CCatalogPhotoDialog::PhotoName() const { return m_photo->text(); }

void CCatalogPhotoDialog::SetPhotoName(const QString& name) { m_photo->setText(name); }

// "Annuler" in the picker leaves the field as it was; there is no way to empty it other than
// choosing another picture.
void CCatalogPhotoDialog::ChoosePhoto() {
    CImagePickerDialog picker(PictureFolderForKind(Kind()), this);
    if (picker.exec() == QDialog::Accepted) m_photo->setText(picker.ChosenFileName());
}
