#pragma once

#include <QString>
#include <vector>

// The entry dialogs as the data operations read and fill them. The dialogs implement these;
// the operations never touch a control.

// The catalogue item dialogs (with and without picture).
class ICatalogItemForm {
public:
    virtual ~ICatalogItemForm() = default;
    virtual QString Label() const = 0;
    virtual void SetLabel(const QString& text) = 0;
    virtual QString PhotoName() const = 0;  // "" for the dialog without picture
    virtual void SetPhotoName(const QString& name) = 0;
    virtual QString Description() const = 0;
    virtual void SetDescription(const QString& text) = 0;
    // The position text of a place; "" for the other catalogues.
    virtual QString Gps() const { return QString(); }
    virtual void SetGps(const QString&) {}
};

// The ten drop-down references of a catch (the place included).
enum class CatchReference {
    Place,
    Groundbait,
    Rig,
    Technique,
    Weather,
    Wind,
    WindDirection,
    Moon,
    WaterColour,
    Tide,
};

// The catch entry dialog.
class ICatchForm {
public:
    virtual ~ICatchForm() = default;
    // "dd/mm/yyyy hh:mm:00" from the date and time pickers.
    virtual QString Moment() const = 0;
    // A "dd/mm/yyyy hh:mm:ss" text (DateTimeLayout::DayFirst).
    virtual void SetMoment(const QString& text) = 0;
    // Item data of the selected row, -1 when nothing or "-- PAS DE SELECTION --" is selected.
    virtual int Reference(CatchReference which) const = 0;
    virtual void SetReference(CatchReference which, int id) = 0;
    // Identifiers of the selected rows, in list order.
    virtual std::vector<int> FishSet() const = 0;
    virtual void SetFishSet(const std::vector<int>& ids) = 0;
    virtual std::vector<int> BaitSet() const = 0;
    virtual void SetBaitSet(const std::vector<int>& ids) = 0;
    virtual double Weight() const = 0;             // kilograms; empty or not a number reads 0
    virtual void SetWeight(double kilograms) = 0;  // shown with "%.3f"
    virtual int Size() const = 0;
    virtual void SetSize(int centimetres) = 0;
    virtual int Number() const = 0;
    virtual void SetNumber(int count) = 0;
    virtual int AirTemperature() const = 0;
    virtual void SetAirTemperature(int degrees) = 0;
    virtual int WaterTemperature() const = 0;
    virtual void SetWaterTemperature(int degrees) = 0;
    virtual int TideCoefficient() const = 0;
    virtual void SetTideCoefficient(int coefficient) = 0;
    virtual QString Comment() const = 0;
    virtual void SetComment(const QString& text) = 0;
    virtual QString PhotoName() const = 0;
    virtual void SetPhotoName(const QString& name) = 0;
    virtual QString Gps() const = 0;
    virtual void SetGps(const QString& text) = 0;
};

// The session dialog.
class ISessionForm {
public:
    virtual ~ISessionForm() = default;
    virtual int StartDay() const = 0;  // YYYYMMDD
    virtual int EndDay() const = 0;
    virtual int StartTime() const = 0;  // HHMM
    virtual int EndTime() const = 0;
    virtual int Place() const = 0;  // -1 without selection
    virtual QString Comment() const = 0;
    virtual void SetStart(int dayKey, int timeKey) = 0;
    virtual void SetEnd(int dayKey, int timeKey) = 0;
    virtual void SetPlace(int placeId) = 0;
    virtual void SetComment(const QString& text) = 0;
};
