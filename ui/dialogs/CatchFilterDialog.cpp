#include "ui/dialogs/CatchFilterDialog.h"

#include <iterator>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/view/ListTargets.h"

namespace {

struct FilterField {
    const char* label;
    Table kind;
    const char* objectName;
    int CatchFilter::*field;
};

// Top to bottom, as the dialog shows them.
const FilterField kFields[] = {
    {"Poisson :", Table::Fish, "fishCombo", &CatchFilter::fish},
    {"Lieu :", Table::Places, "placeCombo", &CatchFilter::place},
    {"Esche :", Table::Baits, "baitCombo", &CatchFilter::bait},
    {"Amorce :", Table::Groundbaits, "groundbaitCombo", &CatchFilter::groundbait},
    {"Technique :", Table::Techniques, "techniqueCombo", &CatchFilter::technique},
    {"Montage :", Table::Rigs, "rigCombo", &CatchFilter::rig},
    {"Temps :", Table::Weather, "weatherCombo", &CatchFilter::weather},
    {"Vent :", Table::Winds, "windCombo", &CatchFilter::wind},
    {"Direction du vent :", Table::WindDirections, "windDirectionCombo",
     &CatchFilter::windDirection},
    {"Lune :", Table::Moons, "moonCombo", &CatchFilter::moon},
    {"Couleur de l'eau :", Table::WaterColours, "waterColourCombo", &CatchFilter::waterColour},
    {"Marée :", Table::Tides, "tideCombo", &CatchFilter::tide},
};

}  // namespace

CCatchFilterDialog::CCatchFilterDialog(CCatchDatabase& db, QWidget* parent)
    : QDialog(parent), m_db(db) {
    static_assert(std::size(kFields) == kFieldCount);
    setWindowTitle(QStringLiteral("Recherche de une ou plusieurs prises"));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    const CatchFilter& filter = m_db.Filter();
    for (int i = 0; i < kFieldCount; ++i) {
        const FilterField& field = kFields[i];
        const QString label = QString::fromUtf8(field.label);
        auto* combo = new QComboBox;
        NameControl(*combo, field.objectName, label);
        grid->addWidget(NewFieldLabel(label, *combo, nullptr), i, 0);
        grid->addWidget(combo, i, 1);
        CComboTarget target(*combo);
        m_db.FillCatalogCombo(target, field.kind);
        // An id no row carries (a row deleted since) leaves the list without a selection.
        SelectComboId(*combo, filter.*field.field);
        m_combos[i] = combo;
    }
    auto* buttons = new QHBoxLayout;
    AddDialogButtons(*this, *buttons, QStringLiteral("Filtrer"), "filterButton");
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addStretch(1);
    main->addLayout(buttons);
    ResizeToDialogUnits(*this, 382, 202);
}

void CCatchFilterDialog::accept() {
    CatchFilter& filter = m_db.Filter();
    for (int i = 0; i < kFieldCount; ++i) filter.*kFields[i].field = SelectedId(*m_combos[i]);
    QDialog::accept();
}
