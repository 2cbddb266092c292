#pragma once

#include <QString>
#include <map>
#include <vector>

#include "catalog/EntryForms.h"

// The catalogue item dialog in memory: what the data operations read and what they set.
class InMemoryItemForm : public ICatalogItemForm {
public:
    InMemoryItemForm() = default;
    InMemoryItemForm(QString label, QString photo, QString description)
        : label(std::move(label)), photo(std::move(photo)), description(std::move(description)) {}

    QString Label() const override { return label; }
    void SetLabel(const QString& text) override { label = text; }
    QString PhotoName() const override { return photo; }
    void SetPhotoName(const QString& name) override { photo = name; }
    QString Description() const override { return description; }
    void SetDescription(const QString& text) override { description = text; }

    QString label;
    QString photo;
    QString description;
};

// The catch entry dialog in memory. References left unset read as -1 ("-- PAS DE SELECTION --").
class InMemoryCatchForm : public ICatchForm {
public:
    QString Moment() const override { return moment; }
    void SetMoment(const QString& text) override { moment = text; }
    int Reference(CatchReference which) const override {
        const auto found = references.find(which);
        return found == references.end() ? -1 : found->second;
    }
    void SetReference(CatchReference which, int id) override { references[which] = id; }
    std::vector<int> FishSet() const override { return fish; }
    void SetFishSet(const std::vector<int>& ids) override { fish = ids; }
    std::vector<int> BaitSet() const override { return baits; }
    void SetBaitSet(const std::vector<int>& ids) override { baits = ids; }
    double Weight() const override { return weight; }
    void SetWeight(double kilograms) override { weight = kilograms; }
    int Size() const override { return size; }
    void SetSize(int centimetres) override { size = centimetres; }
    int Number() const override { return number; }
    void SetNumber(int count) override { number = count; }
    int AirTemperature() const override { return airTemperature; }
    void SetAirTemperature(int degrees) override { airTemperature = degrees; }
    int WaterTemperature() const override { return waterTemperature; }
    void SetWaterTemperature(int degrees) override { waterTemperature = degrees; }
    int TideCoefficient() const override { return tideCoefficient; }
    void SetTideCoefficient(int coefficient) override { tideCoefficient = coefficient; }
    QString Comment() const override { return comment; }
    void SetComment(const QString& text) override { comment = text; }
    QString PhotoName() const override { return photo; }
    void SetPhotoName(const QString& name) override { photo = name; }
    QString Gps() const override { return gps; }
    void SetGps(const QString& text) override { gps = text; }

    QString moment = QStringLiteral("12/05/2007 14:30:00");
    std::map<CatchReference, int> references;
    std::vector<int> fish;
    std::vector<int> baits;
    double weight = 0.0;
    int size = 0;
    int number = 0;
    int airTemperature = 0;
    int waterTemperature = 0;
    int tideCoefficient = 0;
    QString comment;
    QString photo;
    QString gps;
};
