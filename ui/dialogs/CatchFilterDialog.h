#pragma once

#include <QDialog>
#include <array>

class CCatchDatabase;
class QComboBox;

// "Recherche de une ou plusieurs prises": the twelve conditions of the catch filter held by
// CCatchDatabase. "Filtrer" writes all twelve (no selection -> -1); "Annuler" changes nothing.
//
// Object names: fishCombo, placeCombo, baitCombo, groundbaitCombo, techniqueCombo, rigCombo,
// weatherCombo, windCombo, windDirectionCombo, moonCombo, waterColourCombo, tideCombo,
// filterButton, cancelButton.
class CCatchFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit CCatchFilterDialog(CCatchDatabase& db, QWidget* parent = nullptr);

public slots:
    void accept() override;  // "Filtrer"

private:
    static constexpr int kFieldCount = 12;
    CCatchDatabase& m_db;
    std::array<QComboBox*, kFieldCount> m_combos{};
};
