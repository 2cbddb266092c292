#include "ui/dialogs/CatchDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimeEdit>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/DateStamp.h"
#include "catalog/PicturePaths.h"
#include "store/AppHelpers.h"
#include "ui/dialogs/CatalogItemDialogs.h"
#include "ui/dialogs/CatchDialogLayout.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/ImagePickerDialog.h"
#include "ui/dialogs/LimitedPlainTextEdit.h"
#include "ui/dialogs/MoonSuggestion.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/PhotoFill.h"
#include "ui/dialogs/RequireHelpers.h"
#include "ui/view/ListTargets.h"

CCatchDialog::CCatchDialog(CCatchDatabase& db, int catchId, QWidget* parent)
    : QDialog(parent),
      m_db(db),
      m_catchId(catchId),
      m_controls(std::make_unique<CatchDialogControls>()) {
    setWindowTitle(QStringLiteral("Saisie d'une nouvelle prise"));
    BuildCatchDialogControls(*this, *m_controls);
    ConnectButtons();
    FillLists();
    if (m_catchId != -1) {
        m_db.LoadCatch(*this, m_catchId);
    } else {
        auto* moon = new CMoonSuggestion(m_db,
                                         {m_controls->date, m_controls->time, m_controls->gps,
                                          m_controls->ComboOf(CatchReference::Place).combo,
                                          m_controls->ComboOf(CatchReference::Moon).combo},
                                         this);
        moon->Update();
        new CPhotoFill(
            {m_controls->date, m_controls->time, m_controls->gps, m_controls->photo,
             m_controls->photoNote},
            GetProgramDirectory() + QStringLiteral("images/") + kCatchPictureFolder + u'/', this);
    }
    ResizeToDialogUnits(*this, 453, 410);
}

CCatchDialog::~CCatchDialog() = default;

void CCatchDialog::ConnectButtons() {
    for (const CatchCombo& combo : m_controls->combos) {
        const Table kind = combo.kind;
        connect(combo.add, &QPushButton::clicked, this, [this, kind] { AddCatalogRow(kind); });
    }
    for (const CatchList* list : {&m_controls->fish, &m_controls->bait}) {
        const Table kind = list->kind;
        connect(list->add, &QPushButton::clicked, this, [this, kind] { AddCatalogRow(kind); });
    }
    connect(m_controls->photoButton, &QPushButton::clicked, this, &CCatchDialog::ChoosePhoto);
}

// The order in which the catalogues are read when the dialog opens.
void CCatchDialog::FillLists() {
    using enum Table;
    const Table order[] = {Winds, WindDirections, WaterColours, Moons,       Weather,    Fish,
                           Rigs,  Places,         Baits,        Groundbaits, Techniques, Tides};
    for (Table kind : order) {
        if (const CatchCombo* combo = m_controls->ComboOfKind(kind)) {
            CComboTarget target(*combo->combo);
            m_db.FillCatalogCombo(target, kind);
        } else if (const CatchList* list = m_controls->ListOfKind(kind)) {
            CListWidgetTarget target(*list->list, true);
            m_db.FillCatalogList(target, kind);
            // The fill selects its first row; a catch starts with no fish and no bait.
            list->list->clearSelection();
        }
    }
}

void CCatchDialog::AddCatalogRow(Table kind) {
    const int newId = RunCatalogItemDialog(m_db, kind, -1, this);
    if (newId != -1) ShowNewCatalogRow(kind, newId);
}

void CCatchDialog::ShowNewCatalogRow(Table kind, int newId) {
    if (const CatchCombo* combo = m_controls->ComboOfKind(kind)) {
        CComboTarget target(*combo->combo);
        m_db.FillCatalogCombo(target, kind);
        SelectComboId(*combo->combo, newId);
    } else if (const CatchList* list = m_controls->ListOfKind(kind)) {
        std::vector<int> chosen = SelectedIds(*list->list);
        CListWidgetTarget target(*list->list, true);
        m_db.FillCatalogList(target, kind);
        chosen.push_back(newId);
        SelectListIds(*list->list, chosen);
    }
}

void CCatchDialog::ChoosePhoto() {
    CImagePickerDialog picker(kCatchPictureFolder, this);
    if (picker.exec() == QDialog::Accepted) m_controls->photo->setText(picker.ChosenFileName());
}

void CCatchDialog::accept() {
    if (!RequireComboSelection(*m_controls->ComboOf(CatchReference::Place).combo)) return;
    if (!RequireListSelection(*m_controls->fish.list)) return;
    bool stored = false;
    if (m_catchId == -1) {
        // A failed store was rolled back whole, whatever identifier it had read: the dialog
        // stays a new catch, and the next "Valider" adds it again.
        int newId = -1;
        stored = m_db.InsertCatch(*this, newId);
        if (stored) m_catchId = newId;
    } else {
        stored = m_db.UpdateCatch(*this, m_catchId);
    }
    if (stored) QDialog::accept();
}

// ---- ICatchForm ----

QString CCatchDialog::Moment() const {
    const QDate date = m_controls->date->date();
    const QTime time = m_controls->time->time();
    return QString::asprintf("%02d/%02d/%04d %02d:%02d:00", date.day(), date.month(), date.year(),
                             time.hour(), time.minute());
}

void CCatchDialog::SetMoment(const QString& text) {
    CDateStamp moment;
    moment.Parse(text, DateTimeLayout::DayFirst);
    const QDate date(moment.year, moment.month, moment.day);
    if (date.isValid()) m_controls->date->setDate(date);
    const QTime time(moment.hour, moment.minute);
    if (time.isValid()) m_controls->time->setTime(time);
}

int CCatchDialog::Reference(CatchReference which) const {
    return SelectedId(*m_controls->ComboOf(which).combo);
}

void CCatchDialog::SetReference(CatchReference which, int id) {
    SelectComboId(*m_controls->ComboOf(which).combo, id);
}

std::vector<int> CCatchDialog::FishSet() const { return SelectedIds(*m_controls->fish.list); }

void CCatchDialog::SetFishSet(const std::vector<int>& ids) {
    SelectListIds(*m_controls->fish.list, ids);
}

std::vector<int> CCatchDialog::BaitSet() const { return SelectedIds(*m_controls->bait.list); }

void CCatchDialog::SetBaitSet(const std::vector<int>& ids) {
    SelectListIds(*m_controls->bait.list, ids);
}

double CCatchDialog::Weight() const { return ReadDecimal(m_controls->weight->text()); }

void CCatchDialog::SetWeight(double kilograms) {
    m_controls->weight->setText(FormatWeight(kilograms));
}

int CCatchDialog::Size() const { return ReadInteger(m_controls->size->text()); }

void CCatchDialog::SetSize(int centimetres) {
    m_controls->size->setText(FormatInteger(centimetres));
}

int CCatchDialog::Number() const { return ReadInteger(m_controls->number->text()); }

void CCatchDialog::SetNumber(int count) { m_controls->number->setText(FormatInteger(count)); }

int CCatchDialog::AirTemperature() const { return ReadInteger(m_controls->airTemperature->text()); }

void CCatchDialog::SetAirTemperature(int degrees) {
    m_controls->airTemperature->setText(FormatInteger(degrees));
}

int CCatchDialog::WaterTemperature() const {
    return ReadInteger(m_controls->waterTemperature->text());
}

void CCatchDialog::SetWaterTemperature(int degrees) {
    m_controls->waterTemperature->setText(FormatInteger(degrees));
}

int CCatchDialog::TideCoefficient() const { return ReadInteger(m_controls->coefficient->text()); }

void CCatchDialog::SetTideCoefficient(int coefficient) {
    m_controls->coefficient->setText(FormatInteger(coefficient));
}

QString CCatchDialog::Comment() const { return m_controls->comment->toPlainText(); }

void CCatchDialog::SetComment(const QString& text) { m_controls->comment->SetText(text); }

QString CCatchDialog::PhotoName() const { return m_controls->photo->text(); }

void CCatchDialog::SetPhotoName(const QString& name) { m_controls->photo->setText(name); }

QString CCatchDialog::Gps() const { return m_controls->gps->text(); }

void CCatchDialog::SetGps(const QString& text) { m_controls->gps->setText(text); }
