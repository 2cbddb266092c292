#pragma once

#include <QString>

#include "ui/dialogs/DialogSize.h"

class QBoxLayout;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// Small building blocks shared by the entry dialogs.

// "Coordonnées GPS :" -> "Coordonnées GPS": the label without its trailing colon and blanks,
// the name screen readers announce for the control.
QString AccessibleLabel(const QString& label);

// Gives the control its object name and the accessible name of its label.
void NameControl(QWidget& control, const char* objectName, const QString& label);

// A field label bound to its control (the control gets the accessible name of the label).
QLabel* NewFieldLabel(const QString& text, QWidget& control, const char* objectName);

// The small "..." button next to a field.
QPushButton* NewEllipsisButton(const char* objectName, const QString& accessibleName);

// The confirm button (default: Enter presses it) and "Annuler" (Escape), wired to accept()
// and reject(), added to the layout (after a stretch when leadingStretch).
struct DialogButtonPair {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
DialogButtonPair AddDialogButtons(QDialog& dialog, QBoxLayout& row, const QString& okText,
                                  const char* okObjectName, bool leadingStretch = true);
