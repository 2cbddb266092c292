#include "ui/dialogs/CatalogTextDialog.h"

#include "ui/dialogs/EntryDialogParts.h"

CCatalogTextDialog::CCatalogTextDialog(CCatchDatabase& db, int id, Table kind, QWidget* parent)
    : CCatalogItemDialogBase(db, id, kind, parent) {
    Finish();
    ResizeToDialogUnits(*this, 408, 214);
}
