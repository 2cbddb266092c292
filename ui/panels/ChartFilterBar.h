#pragma once

#include <QWidget>

#include "catalog/ChartData.h"

class CCatchDatabase;
class QCheckBox;
class QComboBox;
class QDateEdit;

// The filters above a chart: species, place and period ("du" ... "au"), each optional.
// Emits changed() whenever one of them changes.
class CChartFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit CChartFilterBar(QWidget* parent = nullptr);

    // Refills the species and places from the log, keeping the ones chosen when they remain.
    void Reload(CCatchDatabase& db);
    ChartFilter Filter() const;
    // What the filters keep, for the chart's subtitle: "BROCHET · LAC BLEU · du ... au ...".
    QString Summary() const;

    QComboBox& SpeciesCombo() { return *m_species; }
    QComboBox& PlaceCombo() { return *m_place; }
    QCheckBox& PeriodCheck() { return *m_period; }
    QDateEdit& FromEdit() { return *m_from; }
    QDateEdit& ToEdit() { return *m_to; }

signals:
    void changed();

private:
    QComboBox* m_species;
    QComboBox* m_place;
    QCheckBox* m_period;
    QDateEdit* m_from;
    QDateEdit* m_to;
    bool m_reloading = false;
};
