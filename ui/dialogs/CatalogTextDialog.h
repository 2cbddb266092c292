#pragma once

#include "ui/dialogs/CatalogItemDialogBase.h"

// Catalogue item dialog of the catalogues without a picture ((weather .. techniques)): name and
// description only.
class CCatalogTextDialog : public CCatalogItemDialogBase {
    Q_OBJECT
public:
    CCatalogTextDialog(CCatchDatabase& db, int id, Table kind, QWidget* parent = nullptr);
};
