#include "ui/dialogs/AlbumTitleDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/EntryDialogParts.h"
#include "ui/dialogs/RequireHelpers.h"
#include "ui/dialogs/UpperCaseLineEdit.h"

namespace {

// ALBUMS.LIBELLE holds at most 50 characters.
constexpr int kMaxNameLength = 50;

}  // namespace

CAlbumTitleDialog::CAlbumTitleDialog(const QString& name, QWidget* parent)
    : QDialog(parent), m_name(name) {
    setWindowTitle(QStringLiteral("Titre de la boite"));

    const QString caption = QString::fromUtf8("Libellé : ");
    auto* label = new QLabel(caption);
    m_edit = new CUpperCaseLineEdit;
    m_edit->setObjectName(QStringLiteral("name"));
    m_edit->setAccessibleName(AccessibleLabel(caption));
    m_edit->setMaxLength(kMaxNameLength);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    m_edit->setPalette(palette);
    m_edit->setText(name);
    label->setBuddy(m_edit);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit, 1);
    auto* buttonRow = new QHBoxLayout;
    AddDialogButtons(*this, *buttonRow, QStringLiteral("OK"), "okButton");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttonRow);
    ResizeToDialogUnits(*this, 288, 46);
}

void CAlbumTitleDialog::accept() {
    if (!RequireText(*m_edit)) return;
    m_name = m_edit->text();
    QDialog::accept();
}
