#include "ui/dialogs/PreferencesDialog.h"

#include <iterator>

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "catalog/CatchDatabase.h"
#include "catalog/OptionKeys.h"
#include "db/UserMessages.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/NumberFields.h"
#include "ui/dialogs/RequireHelpers.h"

namespace {

// The order in which the switches are written back.
const char* const kCheckWriteOrder[] = {
    OptionKey::ShowWind,
    OptionKey::ShowWeather,
    OptionKey::ShowWaterTemperature,
    OptionKey::ShowAirTemperature,
    OptionKey::ShowTechnique,
    OptionKey::ShowSize,
    OptionKey::ShowNumber,
    OptionKey::ShowFish,
    OptionKey::ShowWeight,
    OptionKey::ShowRig,
    OptionKey::ShowTide,
    OptionKey::ShowMoon,
    OptionKey::ShowPlace,
    OptionKey::ShowBait,
    OptionKey::ShowWindDirection,
    OptionKey::ShowMoment,
    OptionKey::ShowWaterColour,
    OptionKey::ShowGps,
    OptionKey::ShowTideCoefficient,
    OptionKey::ShowGroundbait,
};

const char* const kCatchFont = OptionKey::CatchFont;
const char* const kMiscFont = OptionKey::MiscFont;
const char* const kStatisticsFont = OptionKey::StatisticsFont;
const char* const kImageHeight = OptionKey::ImageHeight;
const char* const kCommentHeight = OptionKey::CommentHeight;

const char* const kFontLabel = "Taille de la police : ";
const char* const kHeightSumMessage =
    "La somme des deux hauteurs dans la zone des prises ne doit pas être égale ou "
    "supérieure à 100 % !";

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
QString Key(const char* key) { return QString::fromLatin1(key); }

// A group holding one number field.
// A group box is read by its own title; left unnamed, a box inside another one would be read
// by the title of the outer box.
QGroupBox* NewGroup(const QString& title) {
    auto* group = new QGroupBox(title);
    group->setAccessibleName(title);
    return group;
}

QGroupBox* FontGroup(const QString& title, QLineEdit* field) {
    QGroupBox* group = NewGroup(title);
    auto* form = new QFormLayout(group);
    form->addRow(NewFieldLabel(Text(kFontLabel), *field, nullptr), field);
    return group;
}

}  // namespace

CPreferencesDialog::CPreferencesDialog(CCatchDatabase& db, QWidget* parent)
    : QDialog(parent), m_db(db) {
    setWindowTitle(QString::fromUtf8("Saisie de vos préférences"));
    m_catchFont = NewNumberField(Text(kFontLabel), QStringLiteral("Prises"), "catchFontEdit");
    m_imageHeight = NewNumberField(Text("Hauteur de l'image (%) : "), QString(), "imageHeightEdit");
    m_commentHeight =
        NewNumberField(Text("Hauteur du commentaire (%) : "), QString(), "commentHeightEdit");
    m_miscFont = NewNumberField(Text(kFontLabel), QStringLiteral("Divers"), "miscFontEdit");
    m_statisticsFont =
        NewNumberField(Text(kFontLabel), QStringLiteral("Statistiques"), "statisticsFontEdit");

    auto* side = new QVBoxLayout;
    side->addWidget(FontGroup(QStringLiteral("Divers"), m_miscFont));
    side->addWidget(FontGroup(QStringLiteral("Statistiques"), m_statisticsFont));
    side->addStretch(1);
    auto* buttons = new QHBoxLayout;
    AddDialogButtons(*this, *buttons, QStringLiteral("Valider"), "validateButton");
    side->addLayout(buttons);

    auto* main = new QHBoxLayout(this);
    main->addWidget(BuildCatchGroup(), 1);
    main->addLayout(side);
    LoadOptions();
    ResizeToDialogUnits(*this, 381, 230);
}

QLineEdit* CPreferencesDialog::NewNumberField(const QString& label, const QString& group,
                                              const char* name) {
    auto* edit = new QLineEdit;
    NameControl(*edit, name, label);
    // The three font sizes share one label; the group tells them apart.
    if (!group.isEmpty()) edit->setAccessibleDescription(group);
    edit->setMaxLength(2);
    edit->setAlignment(Qt::AlignCenter);
    AcceptDigitsOnly(*edit);
    return edit;
}

QWidget* CPreferencesDialog::BuildCatchGroup() {
    QGroupBox* group = NewGroup(QStringLiteral("Prises"));
    auto* column = new QVBoxLayout(group);
    column->addWidget(BuildDisplayGroup());
    auto* form = new QFormLayout;
    form->addRow(NewFieldLabel(Text(kFontLabel), *m_catchFont, nullptr), m_catchFont);
    form->addRow(NewFieldLabel(Text("Hauteur de l'image (%) : "), *m_imageHeight, nullptr),
                 m_imageHeight);
    form->addRow(NewFieldLabel(Text("Hauteur du commentaire (%) : "), *m_commentHeight, nullptr),
                 m_commentHeight);
    column->addLayout(form);
    return group;
}

QWidget* CPreferencesDialog::BuildDisplayGroup() {
    QGroupBox* group = NewGroup(QString::fromUtf8("Affichage des paramètres"));
    auto* grid = new QGridLayout(group);
    const int rows = static_cast<int>(kSheetLineOptions.size() + 1) / 2;
    int index = 0;
    for (const SheetLineOption& spec : kSheetLineOptions) {
        auto* box = new QCheckBox(Text(spec.label));
        NameControl(*box, spec.key, Text(spec.label));
        grid->addWidget(box, index % rows, index / rows);
        m_checks.push_back({spec.key, box});
        ++index;
    }
    return group;
}

void CPreferencesDialog::LoadOptions() {
    m_catchFont->setText(m_db.GetOption(Key(kCatchFont)));
    m_miscFont->setText(m_db.GetOption(Key(kMiscFont)));
    m_statisticsFont->setText(m_db.GetOption(Key(kStatisticsFont)));
    m_imageHeight->setText(m_db.GetOption(Key(kImageHeight)));
    m_commentHeight->setText(m_db.GetOption(Key(kCommentHeight)));
    // The catch sheet shows a line only for the value 1 exactly; the box says the same.
    for (const OptionCheck& check : m_checks)
        check.box->setChecked(ReadInteger(m_db.GetOption(Key(check.key))) == 1);
}

bool CPreferencesDialog::CheckFields() {
    for (QLineEdit* required : {m_catchFont, m_miscFont, m_imageHeight, m_commentHeight})
        if (!RequireText(*required)) return false;
    if (ReadInteger(m_commentHeight->text()) + ReadInteger(m_imageHeight->text()) >= 100) {
        ShowMessage(Text(kHeightSumMessage), MessageIcon::Stop);
        m_imageHeight->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// A failed write has shown its own message; the others still run.
void CPreferencesDialog::WriteOptions() {
    m_db.SetOption(Key(kImageHeight), m_imageHeight->text());
    m_db.SetOption(Key(kCommentHeight), m_commentHeight->text());
    m_db.SetOption(Key(kCatchFont), m_catchFont->text());
    m_db.SetOption(Key(kMiscFont), m_miscFont->text());
    m_db.SetOption(Key(kStatisticsFont), m_statisticsFont->text());
    for (const char* key : kCheckWriteOrder) {
        for (const OptionCheck& check : m_checks)
            if (qstrcmp(check.key, key) == 0)
                m_db.SetOptionInt(Key(key), check.box->isChecked() ? 1 : 0);
    }
}

void CPreferencesDialog::accept() {
    if (!CheckFields()) return;
    WriteOptions();
    QDialog::accept();
}
