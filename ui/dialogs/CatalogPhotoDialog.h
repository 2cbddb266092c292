#pragma once

#include "ui/dialogs/CatalogItemDialogBase.h"

class QLineEdit;

// Catalogue item dialog of the catalogues with a picture (fish .. rigs): name, photo file name
// chosen with the image picker on the folder of the kind, description.
//
// Object names: those of CCatalogItemDialogBase plus photoEdit and photoButton, and gpsEdit
// for the places.
class CCatalogPhotoDialog : public CCatalogItemDialogBase {
    Q_OBJECT
public:
    CCatalogPhotoDialog(CCatchDatabase& db, int id, Table kind, QWidget* parent = nullptr);

    QString PhotoName() const override;
    void SetPhotoName(const QString& name) override;
    QString Gps() const override;
    void SetGps(const QString& text) override;

private:
    void ChoosePhoto();

    QLineEdit* m_photo = nullptr;
    QLineEdit* m_gps = nullptr;  // places only
};
