#include "ui/dialogs/RequireHelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "db/UserMessages.h"
#include "ui/view/ListTargets.h"

namespace {

const char* const kTextRequired = "La saisie de ce champ est obligatoire !";
const char* const kSelectionRequired = "La sélection dans cette liste est obligatoire !";

bool Refuse(QWidget& control, const char* message) {
    ShowMessage(QString::fromUtf8(message), MessageIcon::Exclamation);
    control.setFocus(Qt::OtherFocusReason);
    return false;
}

}  // namespace

bool RequireText(QLineEdit& edit) {
    if (!edit.text().isEmpty()) return true;
    return Refuse(edit, kTextRequired);
}

bool RequireComboSelection(QComboBox& combo) {
    if (SelectedId(combo) != -1) return true;
    return Refuse(combo, kSelectionRequired);
}

bool RequireListSelection(QListWidget& list) {
    const std::vector<int> ids = SelectedIds(list);
    if (!ids.empty() && ids.front() != -1) return true;
    return Refuse(list, kSelectionRequired);
}
