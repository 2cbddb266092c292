#include "ui/dialogs/SharedLogDialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "db/UserMessages.h"
#include "ui/dialogs/EntryDialogParts.h"

namespace {

enum Column { kName, kDescription, kScope };

}  // namespace

CSharedLogDialog::CSharedLogDialog(const std::vector<DataSourceEntry>& sources,
                                   const QString& title, const QString& okText,
                                   std::function<QString(const QString&)> defaultFolder,
                                   QWidget* parent)
    : QDialog(parent), m_defaultFolder(std::move(defaultFolder)) {
    setWindowTitle(title);

    m_sources = new QTreeWidget;
    m_sources->setObjectName(QStringLiteral("sourceList"));
    m_sources->setRootIsDecorated(false);
    m_sources->setHeaderLabels(
        {QStringLiteral("Nom"), QStringLiteral("Description"), QStringLiteral("Déclarée pour")});
    for (const DataSourceEntry& source : sources) {
        auto* item = new QTreeWidgetItem(m_sources);
        item->setText(kName, source.name);
        item->setText(kDescription, source.description);
        item->setText(kScope, source.system ? QStringLiteral("tout le système")
                                            : QStringLiteral("vous seul"));
    }
    m_sources->header()->setStretchLastSection(false);
    m_sources->header()->setSectionResizeMode(kName, QHeaderView::ResizeToContents);
    m_sources->header()->setSectionResizeMode(kDescription, QHeaderView::Stretch);
    m_sources->header()->setSectionResizeMode(kScope, QHeaderView::ResizeToContents);
    auto* sourcesLabel =
        NewFieldLabel(QStringLiteral("Sources de données ODBC :"), *m_sources, "sourcesLabel");
    auto* noSource = new QLabel(QStringLiteral(
        "Aucune source de données n'est déclarée. L'administrateur du club en déclare une "
        "avec odbcinst (voir l'aide, « Carnet partagé »)."));
    noSource->setWordWrap(true);
    noSource->setVisible(sources.empty());

    m_folder = new QLineEdit;
    m_folder->setObjectName(QStringLiteral("folderEdit"));
    auto* folderLabel = NewFieldLabel(QStringLiteral("Dossier des images de ce carnet :"),
                                      *m_folder, "folderLabel");
    auto* browse = new QPushButton(QStringLiteral("Parcourir..."));
    browse->setObjectName(QStringLiteral("browseButton"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);

    auto* buttonRow = new QHBoxLayout;
    AddDialogButtons(*this, *buttonRow, okText, "okButton");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sourcesLabel);
    layout->addWidget(m_sources, 1);
    layout->addWidget(noSource);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addLayout(buttonRow);
    ResizeToDialogUnits(*this, 300, 180);

    connect(m_sources, &QTreeWidget::currentItemChanged, this, [this] { OnSourceChanged(); });
    connect(m_folder, &QLineEdit::textEdited, this, [this] { m_folderChosen = true; });
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    if (m_sources->topLevelItemCount() > 0) m_sources->setCurrentItem(m_sources->topLevelItem(0));
}

QString CSharedLogDialog::DataSourceName() const {
    const QTreeWidgetItem* item = m_sources->currentItem();
    return item ? item->text(kName) : QString();
}

QString CSharedLogDialog::PictureFolder() const { return m_folder->text().trimmed(); }

void CSharedLogDialog::OnSourceChanged() {
    if (m_folderChosen || !m_defaultFolder || DataSourceName().isEmpty()) return;
    m_folder->setText(m_defaultFolder(DataSourceName()));
}

void CSharedLogDialog::Browse() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Dossier des images du carnet"), PictureFolder());
    if (folder.isEmpty()) return;
    m_folder->setText(folder);
    m_folderChosen = true;
}

void CSharedLogDialog::accept() {
    if (DataSourceName().isEmpty()) {
        ShowMessage(QStringLiteral("La sélection dans cette liste est obligatoire !"),
                    MessageIcon::Exclamation);
        m_sources->setFocus();
        return;
    }
    if (PictureFolder().isEmpty()) {
        ShowMessage(QStringLiteral("La saisie de ce champ est obligatoire !"),
                    MessageIcon::Exclamation);
        m_folder->setFocus();
        return;
    }
    QDialog::accept();
}
