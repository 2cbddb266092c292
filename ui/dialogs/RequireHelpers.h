#pragma once

class QComboBox;
class QLineEdit;
class QListWidget;

// The required-field checks of the entry dialogs. Each shows its warning, gives the control
// the focus and returns false when the check fails.

// "La saisie de ce champ est obligatoire !" when the text is empty (blanks count as text).
bool RequireText(QLineEdit& edit);
// "La sélection dans cette liste est obligatoire !" without a selected row or on id -1.
bool RequireComboSelection(QComboBox& combo);
// Same message; looks at the first selected row only (a later valid row does not help).
bool RequireListSelection(QListWidget& list);
