#pragma once

#include <QDialog>

#include "catalog/CatalogKind.h"
#include "catalog/EntryForms.h"

class CCatchDatabase;
class CLimitedPlainTextEdit;
class CUpperCaseLineEdit;
class QFormLayout;

// What the two catalogue item dialogs share: "Libellé : " (capitals as typed, 50 characters,
// required), "Description : " (65535 characters), "Valider" and "Annuler", and the store
// through AddCatalogItem / ModifyCatalogItem. Title "Saisie d'une nouvelle donnée".
//
// Object names: labelEdit, descriptionEdit, validateButton, cancelButton.
class CCatalogItemDialogBase : public QDialog, public ICatalogItemForm {
    Q_OBJECT
public:
    // id -1 for a new row; after "Valider" the stored row's id.
    int ItemId() const { return m_id; }
    Table Kind() const { return m_kind; }

    // ICatalogItemForm (the photo dialog overrides the photo pair)
    QString Label() const override;
    void SetLabel(const QString& text) override;
    QString PhotoName() const override { return QString(); }
    void SetPhotoName(const QString&) override {}
    QString Description() const override;
    void SetDescription(const QString& text) override;

public slots:
    void accept() override;  // "Valider": name required, then add or modify

protected:
    CCatalogItemDialogBase(CCatchDatabase& db, int id, Table kind, QWidget* parent);
    // The derived dialog adds its own rows between the name and the description, then
    // calls Finish(), which adds the description and the buttons and loads the row.
    QFormLayout& Form() { return *m_form; }
    void Finish();

private:
    CCatchDatabase& m_db;
    int m_id;
    Table m_kind;
    QFormLayout* m_form = nullptr;
    CUpperCaseLineEdit* m_label = nullptr;
    CLimitedPlainTextEdit* m_description = nullptr;
};
