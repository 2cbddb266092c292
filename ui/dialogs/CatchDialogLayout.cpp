#include "ui/dialogs/CatchDialogLayout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QValidator>

#include "catalog/CatalogKind.h"
#include "catalog/UserTextChecks.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/LimitedPlainTextEdit.h"
#include "ui/dialogs/MultiChoiceList.h"
#include "ui/dialogs/NumberFields.h"

namespace {

struct ComboSpec {
    Table kind;
    CatchReference which;
    const char* label;
    const char* comboName;
    const char* addName;
    const char* addAccessibleName;
};

// In the order of the dialog (and of CatchDialogControls::combos).
const ComboSpec kComboSpecs[] = {
    {Table::Places, CatchReference::Place, "Lieu :", "placeCombo", "placeAddButton",
     "Ajouter un lieu"},
    {Table::Groundbaits, CatchReference::Groundbait, "Amorce :", "groundbaitCombo",
     "groundbaitAddButton", "Ajouter une amorce"},
    {Table::Techniques, CatchReference::Technique, "Technique :", "techniqueCombo",
     "techniqueAddButton", "Ajouter une technique"},
    {Table::Rigs, CatchReference::Rig, "Montage :", "rigCombo", "rigAddButton",
     "Ajouter un montage"},
    {Table::Weather, CatchReference::Weather, "Temps :", "weatherCombo", "weatherAddButton",
     "Ajouter un temps"},
    {Table::Winds, CatchReference::Wind, "Vent :", "windCombo", "windAddButton", "Ajouter un vent"},
    {Table::WindDirections, CatchReference::WindDirection, "Direction du vent :",
     "windDirectionCombo", "windDirectionAddButton", "Ajouter une direction du vent"},
    {Table::Moons, CatchReference::Moon, "Lune :", "moonCombo", "moonAddButton",
     "Ajouter une lune"},
    {Table::WaterColours, CatchReference::WaterColour, "Couleur de l'eau :", "waterColourCombo",
     "waterColourAddButton", "Ajouter une couleur de l'eau"},
    {Table::Tides, CatchReference::Tide, "Marée :", "tideCombo", "tideAddButton",
     "Ajouter une marée"},
};

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// Rows of "label, field, unit or button" in a grid column.
class FieldGrid {
public:
    explicit FieldGrid(QGridLayout& grid) : m_grid(grid) {}
    void Add(const char* label, QWidget* field, QWidget* extra = nullptr) {
        m_grid.addWidget(NewFieldLabel(Text(label), *field, nullptr), m_row, 0);
        m_grid.addWidget(field, m_row, 1);
        if (extra != nullptr) m_grid.addWidget(extra, m_row, 2);
        ++m_row;
    }
    // A line under the field of the row before, as wide as the field and its button.
    void AddNote(QWidget* note) {
        m_grid.addWidget(note, m_row, 1, 1, 2);
        ++m_row;
    }

private:
    QGridLayout& m_grid;
    int m_row = 0;
};

QLineEdit* NewEdit(const char* objectName, const char* label, int maxLength,
                   Qt::Alignment alignment = Qt::AlignRight) {
    auto* edit = new QLineEdit;
    NameControl(*edit, objectName, Text(label));
    edit->setMaxLength(maxLength);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    return edit;
}

// QLineEdit cuts a paste at its limit by UTF-16 units and can keep half of an emoji, which
// could not be stored: the half is dropped.
class WholeCharactersValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        input = WithoutHalfCharacters(input);
        if (pos > input.size()) pos = static_cast<int>(input.size());
        return Acceptable;
    }
};

QLabel* Unit(const char* text) { return new QLabel(Text(text)); }

CatchCombo NewCombo(const ComboSpec& spec) {
    CatchCombo combo;
    combo.kind = spec.kind;
    combo.which = spec.which;
    combo.combo = new QComboBox;
    NameControl(*combo.combo, spec.comboName, Text(spec.label));
    combo.add = NewEllipsisButton(spec.addName, Text(spec.addAccessibleName));
    return combo;
}

CatchList NewList(Table kind, const char* objectName, const char* label, const char* addName,
                  const char* addAccessibleName) {
    CatchList list;
    list.kind = kind;
    list.list = new CMultiChoiceList;
    NameControl(*list.list, objectName, Text(label));
    list.list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list.add = NewEllipsisButton(addName, Text(addAccessibleName));
    return list;
}

void CreateControls(CatchDialogControls& c) {
    c.date = new QDateEdit(QDate::currentDate());
    NameControl(*c.date, "dateEdit", Text("Date :"));
    c.date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    c.date->setCalendarPopup(true);
    c.time = new QTimeEdit(QTime::currentTime());
    NameControl(*c.time, "timeEdit", Text("Heure :"));
    c.time->setDisplayFormat(QStringLiteral("HH:mm"));
    for (std::size_t i = 0; i < c.combos.size(); ++i) c.combos[i] = NewCombo(kComboSpecs[i]);
    c.gps = NewEdit("gpsEdit", "Coordonnées GPS :", 20);
    c.gps->setValidator(new WholeCharactersValidator(c.gps));
    c.fish = NewList(Table::Fish, "fishList", "Poisson :", "fishAddButton", "Ajouter un poisson");
    c.weight = NewEdit("weightEdit", "Poids :", 7);
    AcceptDecimal(*c.weight);
    c.size = NewEdit("sizeEdit", "Taille :", 3);
    AcceptDigitsOnly(*c.size);
    c.number = NewEdit("numberEdit", "Nombre :", 4);
    AcceptDigitsOnly(*c.number);
    c.bait = NewList(Table::Baits, "baitList", "Esche :", "baitAddButton", "Ajouter une esche");
    c.airTemperature = NewEdit("airTemperatureEdit", "Température de l'air :", 3);
    AcceptSignedInteger(*c.airTemperature);
    c.waterTemperature = NewEdit("waterTemperatureEdit", "Température de l'eau :", 3);
    AcceptSignedInteger(*c.waterTemperature);
    c.coefficient = NewEdit("coefficientEdit", "Coefficient :", 3, Qt::AlignHCenter);
    AcceptDigitsOnly(*c.coefficient);
    c.photo = NewEdit("photoEdit", "Photo : ", 255, Qt::AlignLeft);
    c.photo->setReadOnly(true);
    c.photoButton = NewEllipsisButton("photoButton", Text("Choisir une photo"));
    c.photoNote = new QLabel;
    c.photoNote->setObjectName(QStringLiteral("photoNote"));
    c.photoNote->setWordWrap(false);
    c.comment = new CLimitedPlainTextEdit(65535);
    NameControl(*c.comment, "commentEdit", Text("Commentaire : "));
}

QGridLayout* LeftColumn(CatchDialogControls& c) {
    auto* grid = new QGridLayout;
    FieldGrid rows(*grid);
    rows.Add("Date :", c.date);
    rows.Add("Heure :", c.time);
    rows.Add("Lieu :", c.combos[0].combo, c.combos[0].add);
    rows.Add("Coordonnées GPS :", c.gps);
    rows.Add("Poisson :", c.fish.list, c.fish.add);
    rows.Add("Poids :", c.weight, Unit("Kgs"));
    rows.Add("Taille :", c.size, Unit("Cm"));
    rows.Add("Nombre :", c.number);
    rows.Add("Esche :", c.bait.list, c.bait.add);
    return grid;
}

QGroupBox* TideBox(CatchDialogControls& c) {
    // The box has no title on screen; a screen reader names it by what it holds.
    auto* box = new QGroupBox;
    box->setAccessibleName(Text("Marée"));
    auto* grid = new QGridLayout(box);
    FieldGrid rows(*grid);
    const CatchCombo& tide = c.combos[9];
    rows.Add("Marée :", tide.combo, tide.add);
    rows.Add("Coefficient :", c.coefficient);
    return box;
}

QVBoxLayout* RightColumn(CatchDialogControls& c) {
    auto* grid = new QGridLayout;
    FieldGrid rows(*grid);
    for (std::size_t i = 1; i <= 7; ++i)
        rows.Add(kComboSpecs[i].label, c.combos[i].combo, c.combos[i].add);
    rows.Add("Température de l'air :", c.airTemperature, Unit("°C"));
    rows.Add("Température de l'eau :", c.waterTemperature, Unit("°C"));
    rows.Add("Couleur de l'eau :", c.combos[8].combo, c.combos[8].add);
    auto* column = new QVBoxLayout;
    column->addLayout(grid);
    column->addWidget(TideBox(c));
    column->addStretch(1);
    return column;
}

QGridLayout* BottomRows(CatchDialogControls& c) {
    auto* grid = new QGridLayout;
    FieldGrid rows(*grid);
    rows.Add("Photo : ", c.photo, c.photoButton);
    rows.AddNote(c.photoNote);
    rows.Add("Commentaire : ", c.comment);
    return grid;
}

void SetTabOrder(QDialog& dialog, const CatchDialogControls& c) {
    std::vector<QWidget*> order = {c.date, c.time,      c.combos[0].combo, c.combos[0].add,
                                   c.gps,  c.fish.list, c.fish.add,        c.weight,
                                   c.size, c.number,    c.bait.list,       c.bait.add};
    for (std::size_t i = 1; i <= 7; ++i) {
        order.push_back(c.combos[i].combo);
        order.push_back(c.combos[i].add);
    }
    order.insert(order.end(), {c.airTemperature, c.waterTemperature, c.combos[8].combo,
                               c.combos[8].add, c.combos[9].combo, c.combos[9].add, c.coefficient,
                               c.photo, c.photoButton, c.comment, c.validate, c.cancel});
    for (std::size_t i = 1; i < order.size(); ++i) dialog.setTabOrder(order[i - 1], order[i]);
}

}  // namespace

const CatchCombo* CatchDialogControls::ComboOfKind(Table kind) const {
    for (const CatchCombo& combo : combos)
        if (combo.kind == kind) return &combo;
    return nullptr;
}

const CatchCombo& CatchDialogControls::ComboOf(CatchReference which) const {
    for (const CatchCombo& combo : combos)
        if (combo.which == which) return combo;
    return combos[0];
}

const CatchList* CatchDialogControls::ListOfKind(Table kind) const {
    if (kind == fish.kind) return &fish;
    if (kind == bait.kind) return &bait;
    return nullptr;
}

void BuildCatchDialogControls(QDialog& dialog, CatchDialogControls& c) {
    CreateControls(c);
    auto* columns = new QHBoxLayout;
    columns->addLayout(LeftColumn(c), 1);
    columns->addSpacing(12);
    columns->addLayout(RightColumn(c), 1);
    auto* buttons = new QHBoxLayout;
    const DialogButtonPair pair =
        AddDialogButtons(dialog, *buttons, QStringLiteral("Valider"), "validateButton");
    c.validate = pair.ok;
    c.cancel = pair.cancel;
    auto* fields = new QVBoxLayout;
    fields->addLayout(columns);
    fields->addLayout(BottomRows(c), 1);
    SetScrollableLayout(dialog, fields, buttons);
    SetTabOrder(dialog, c);
}
