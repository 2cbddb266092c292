#pragma once

#include <array>

#include "catalog/CatalogKind.h"
#include "catalog/EntryForms.h"

class CLimitedPlainTextEdit;
class QComboBox;
class QDateEdit;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimeEdit;

// One drop-down reference of the catch dialog with its "..." button.
struct CatchCombo {
    Table kind = Table::Fish;
    CatchReference which = CatchReference::Place;
    QComboBox* combo = nullptr;
    QPushButton* add = nullptr;
};

// One multiple-selection list (fish, baits) with its "..." button.
struct CatchList {
    Table kind = Table::Fish;
    QListWidget* list = nullptr;
    QPushButton* add = nullptr;
};

// The controls of "Saisie d'une nouvelle prise", built and laid out in their tab order.
struct CatchDialogControls {
    QDateEdit* date = nullptr;
    QTimeEdit* time = nullptr;
    QLineEdit* gps = nullptr;
    QLineEdit* weight = nullptr;
    QLineEdit* size = nullptr;
    QLineEdit* number = nullptr;
    QLineEdit* airTemperature = nullptr;
    QLineEdit* waterTemperature = nullptr;
    QLineEdit* coefficient = nullptr;
    QLineEdit* photo = nullptr;
    QPushButton* photoButton = nullptr;
    QLabel* photoNote = nullptr;  // under the picture: what was read from the photo
    CLimitedPlainTextEdit* comment = nullptr;
    QPushButton* validate = nullptr;
    QPushButton* cancel = nullptr;
    CatchList fish;
    CatchList bait;
    // Place, groundbait, technique, rig, weather, wind, wind direction, moon, water colour,
    // tide: the order of the dialog.
    std::array<CatchCombo, 10> combos;

    const CatchCombo* ComboOfKind(Table kind) const;
    const CatchCombo& ComboOf(CatchReference which) const;
    const CatchList* ListOfKind(Table kind) const;
};

// Creates every control in the dialog with its limits, input rules and names.
void BuildCatchDialogControls(QDialog& dialog, CatchDialogControls& controls);
