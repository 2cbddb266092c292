#pragma once

#include <QDialog>
#include <memory>

#include "catalog/CatalogKind.h"
#include "catalog/EntryForms.h"

class CCatchDatabase;
struct CatchDialogControls;

// "Saisie d'une nouvelle prise": enters a new catch (id -1) or changes a stored one. The
// dialog writes nothing itself; CCatchDatabase reads and fills it through ICatchForm.
//
// Object names of the controls (for tests and the accessibility driver): dateEdit, timeEdit,
// placeCombo, gpsEdit, fishList, weightEdit, sizeEdit, numberEdit, baitList, groundbaitCombo,
// techniqueCombo, rigCombo, weatherCombo, windCombo, windDirectionCombo, moonCombo,
// airTemperatureEdit, waterTemperatureEdit, waterColourCombo, tideCombo, coefficientEdit,
// photoEdit, commentEdit, validateButton, cancelButton; the "..." buttons are placeAddButton,
// fishAddButton, baitAddButton, groundbaitAddButton, techniqueAddButton, rigAddButton,
// weatherAddButton, windAddButton, windDirectionAddButton, moonAddButton,
// waterColourAddButton, tideAddButton and photoButton.
class CCatchDialog : public QDialog, public ICatchForm {
    Q_OBJECT
public:
    CCatchDialog(CCatchDatabase& db, int catchId, QWidget* parent = nullptr);
    ~CCatchDialog() override;

    // -1 for a new catch until "Valider" stored it; then the new row's id.
    int CatchId() const { return m_catchId; }

    // After a catalogue row of this kind (a catalogue) was added elsewhere: refills the list of
    // the kind and selects the new row (drop-down lists: instead of their selection;
    // multiple-selection lists: beside the rows already chosen).
    void ShowNewCatalogRow(Table kind, int newId);

    // ICatchForm
    QString Moment() const override;
    void SetMoment(const QString& text) override;
    int Reference(CatchReference which) const override;
    void SetReference(CatchReference which, int id) override;
    std::vector<int> FishSet() const override;
    void SetFishSet(const std::vector<int>& ids) override;
    std::vector<int> BaitSet() const override;
    void SetBaitSet(const std::vector<int>& ids) override;
    double Weight() const override;
    void SetWeight(double kilograms) override;
    int Size() const override;
    void SetSize(int centimetres) override;
    int Number() const override;
    void SetNumber(int count) override;
    int AirTemperature() const override;
    void SetAirTemperature(int degrees) override;
    int WaterTemperature() const override;
    void SetWaterTemperature(int degrees) override;
    int TideCoefficient() const override;
    void SetTideCoefficient(int coefficient) override;
    QString Comment() const override;
    void SetComment(const QString& text) override;
    QString PhotoName() const override;
    void SetPhotoName(const QString& name) override;
    QString Gps() const override;
    void SetGps(const QString& text) override;

public slots:
    void accept() override;  // "Valider": checks, stores, closes only on success

private:
    void FillLists();
    void ConnectButtons();
    void AddCatalogRow(Table kind);
    void ChoosePhoto();

    CCatchDatabase& m_db;
    int m_catchId;
    std::unique_ptr<CatchDialogControls> m_controls;
};
