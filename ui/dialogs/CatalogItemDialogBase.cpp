#include "ui/dialogs/CatalogItemDialogBase.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalog/CatchDatabase.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/LimitedPlainTextEdit.h"
#include "ui/dialogs/RequireHelpers.h"
#include "ui/dialogs/UpperCaseLineEdit.h"

namespace {

constexpr int kNameLength = 50;
constexpr int kDescriptionLength = 65535;

}  // namespace

CCatalogItemDialogBase::CCatalogItemDialogBase(CCatchDatabase& db, int id, Table kind,
                                               QWidget* parent)
    : QDialog(parent), m_db(db), m_id(id), m_kind(kind) {
    setWindowTitle(QString::fromUtf8("Saisie d'une nouvelle donnée"));
    auto* main = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    main->addLayout(m_form, 1);
    m_label = new CUpperCaseLineEdit;
    m_label->setMaxLength(kNameLength);
    NameControl(*m_label, "labelEdit", QString::fromUtf8("Libellé : "));
    m_form->addRow(NewFieldLabel(QString::fromUtf8("Libellé : "), *m_label, nullptr), m_label);
}

void CCatalogItemDialogBase::Finish() {
    m_description = new CLimitedPlainTextEdit(kDescriptionLength);
    NameControl(*m_description, "descriptionEdit", QStringLiteral("Description : "));
    m_form->addRow(NewFieldLabel(QStringLiteral("Description : "), *m_description, nullptr),
                   m_description);
    auto* buttons = new QHBoxLayout;
    AddDialogButtons(*this, *buttons, QStringLiteral("Valider"), "validateButton");
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
    if (m_id != -1) m_db.LoadCatalogItem(*this, m_kind, m_id);
}

void CCatalogItemDialogBase::accept() {
    if (!RequireText(*m_label)) return;
    bool stored = false;
    if (m_id == -1) {
        int newId = -1;
        stored = m_db.AddCatalogItem(*this, m_kind, newId);
        if (stored) m_id = newId;
    } else {
        stored = m_db.ModifyCatalogItem(*this, m_kind, m_id);
    }
    if (stored) QDialog::accept();
}

QString CCatalogItemDialogBase::Label() const { return m_label->text(); }

void CCatalogItemDialogBase::SetLabel(const QString& text) { m_label->setText(text); }

QString CCatalogItemDialogBase::Description() const { return m_description->toPlainText(); }

void CCatalogItemDialogBase::SetDescription(const QString& text) { m_description->SetText(text); }
