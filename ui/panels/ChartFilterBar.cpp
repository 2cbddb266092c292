#include "ui/panels/ChartFilterBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "ui/view/ListTargets.h"

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

QComboBox* NewCombo(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(14);
    return combo;
}

QDateEdit* NewDateEdit(const QString& name, const QDate& date, QWidget* parent) {
    auto* edit = new QDateEdit(date, parent);
    edit->setAccessibleName(name);
    edit->setDisplayFormat(kDateFormat);
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
    return edit;
}

QLabel* NewLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

void RefillCombo(QComboBox& combo, CCatchDatabase& db, Table kind) {
    const int chosen = SelectedId(combo);
    CComboTarget target(combo);
    db.FillCatalogCombo(target, kind);
    SelectComboId(combo, chosen);
    if (combo.currentIndex() < 0) combo.setCurrentIndex(0);
}

}  // namespace

CChartFilterBar::CChartFilterBar(QWidget* parent)
    : QWidget(parent),
      m_species(NewCombo(QStringLiteral("Espèce"), this)),
      m_place(NewCombo(QStringLiteral("Lieu"), this)),
      m_period(new QCheckBox(QStringLiteral("&Période du"), this)),
      m_from(NewDateEdit(QStringLiteral("Du"), QDate(QDate::currentDate().year(), 1, 1), this)),
      m_to(NewDateEdit(QStringLiteral("Au"), QDate::currentDate(), this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(NewLabel(QStringLiteral("&Espèce :"), m_species, this), 0, 0);
    grid->addWidget(m_species, 0, 1);
    grid->addWidget(NewLabel(QStringLiteral("&Lieu :"), m_place, this), 0, 2);
    grid->addWidget(m_place, 0, 3);
    auto* period = new QHBoxLayout;
    period->addWidget(m_period);
    period->addWidget(m_from);
    period->addWidget(NewLabel(QStringLiteral("au"), m_to, this));
    period->addWidget(m_to);
    period->addStretch(1);
    grid->addLayout(period, 1, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto notify = [this] {
        if (!m_reloading) emit changed();
    };
    connect(m_species, &QComboBox::currentIndexChanged, this, notify);
    connect(m_place, &QComboBox::currentIndexChanged, this, notify);
    connect(m_from, &QDateEdit::dateChanged, this, notify);
    connect(m_to, &QDateEdit::dateChanged, this, notify);
    connect(m_period, &QCheckBox::toggled, this, [this, notify](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        notify();
    });
}

void CChartFilterBar::Reload(CCatchDatabase& db) {
    m_reloading = true;
    RefillCombo(*m_species, db, Table::Fish);
    RefillCombo(*m_place, db, Table::Places);
    m_reloading = false;
}

ChartFilter CChartFilterBar::Filter() const {
    ChartFilter filter;
    filter.species = SelectedId(*m_species);
    filter.place = SelectedId(*m_place);
    if (m_period->isChecked()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    return filter;
}

QString CChartFilterBar::Summary() const {
    const ChartFilter filter = Filter();
    QStringList parts;
    parts << (filter.species == -1 ? QStringLiteral("Toutes les espèces")
                                   : m_species->currentText());
    parts << (filter.place == -1 ? QStringLiteral("tous les lieux") : m_place->currentText());
    if (filter.from.isValid()) {
        parts << QStringLiteral("du %1 au %2")
                     .arg(filter.from.toString(kDateFormat), filter.to.toString(kDateFormat));
    }
    return parts.join(QStringLiteral(" · "));
}
