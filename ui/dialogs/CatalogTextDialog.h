#pragma once

#include "ui/dialogs/CatalogItemDialogBase.h"

// Catalogue item dialog of the catalogues without a picture (kinds 7..13): name and
// description only.
class CCatalogTextDialog : public CCatalogItemDialogBase {
    Q_OBJECT
public:
    CCatalogTextDialog(CCatchDatabase& db, int id, int kind, QWidget* parent = nullptr);
};
