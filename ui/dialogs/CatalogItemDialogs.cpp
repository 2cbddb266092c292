#include "ui/dialogs/CatalogItemDialogs.h"

#include "catalog/CatalogKind.h"
#include "ui/dialogs/CatalogPhotoDialog.h"
#include "ui/dialogs/CatalogTextDialog.h"

namespace {

template <typename Dialog>
int RunDialog(CCatchDatabase& db, Table kind, int id, QWidget* parent) {
    Dialog dialog(db, id, kind, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.ItemId() : -1;
}

}  // namespace

int RunCatalogItemDialog(CCatchDatabase& db, Table kind, int id, QWidget* parent) {
    if (HasPicture(kind)) return RunDialog<CCatalogPhotoDialog>(db, kind, id, parent);
    if (IsTextCatalog(kind)) return RunDialog<CCatalogTextDialog>(db, kind, id, parent);
    return -1;
}
