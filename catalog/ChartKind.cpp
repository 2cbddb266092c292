#include "catalog/ChartKind.h"

#include <array>

#include "catalog/CatalogKind.h"
#include "catalog/ListTarget.h"

namespace {
using G = ChartGrouping;
using K = ChartKind;
using T = Table;

constexpr std::array<ChartDefinition, 18> kCharts = {{
    {K::CatchesPerMonth, "Prises par mois", "Mois", G::YearMonth, "", std::nullopt, 0, ""},
    {K::Seasons, "Saisons : prises par mois de l'année", "Mois de l'année", G::MonthOfYear, "",
     std::nullopt, 0, ""},
    {K::Weight, "Poids d'une espèce", "Poids", G::Histogram, "POIDS_POISSON", std::nullopt, 0,
     "kg"},
    {K::Size, "Taille d'une espèce", "Taille", G::Histogram, "TAILLE_POISSON", std::nullopt, 0,
     "cm"},
    {K::Hour, "Heure de la journée", "Heure", G::HourOfDay, "", std::nullopt, 0, ""},
    {K::Moon, "Phase de lune", "Lune", G::Catalogue, "ID_LUNE", T::Moons, 0, ""},
    {K::Tide, "Marée", "Marée", G::Catalogue, "ID_MAREE", T::Tides, 0, ""},
    {K::TideCoefficient, "Coefficient de marée", "Coefficient", G::Bands, "COEFF_MAREE",
     std::nullopt, 10, ""},
    {K::Wind, "Vent", "Vent", G::Catalogue, "ID_VENT", T::Winds, 0, ""},
    {K::WindDirection, "Direction du vent", "Direction du vent", G::Catalogue, "ID_DIRECTION_VENT",
     T::WindDirections, 0, ""},
    {K::Weather, "Temps", "Temps", G::Catalogue, "ID_TEMPS", T::Weather, 0, ""},
    {K::WaterColour, "Couleur de l'eau", "Couleur de l'eau", G::Catalogue, "ID_COULEUR_EAU",
     T::WaterColours, 0, ""},
    {K::AirTemperature, "Température de l'air", "Température de l'air", G::Bands, "TEMPERATURE",
     std::nullopt, 2, "°C"},
    {K::WaterTemperature, "Température de l'eau", "Température de l'eau", G::Bands,
     "TEMPERATURE_EAU", std::nullopt, 2, "°C"},
    {K::Bait, "Esches", "Esche", G::RankedCatalogue, "ID_ESCHE", T::Baits, 0, ""},
    {K::Technique, "Techniques", "Technique", G::RankedCatalogue, "ID_TECHNIQUE", T::Techniques, 0,
     ""},
    {K::Rig, "Montages", "Montage", G::RankedCatalogue, "ID_MONTAGE", T::Rigs, 0, ""},
    {K::Places, "Lieux les plus pêchés", "Lieu", G::RankedCatalogue, "ID_LIEU", T::Places, 0, ""},
}};
}  // namespace

std::span<const ChartDefinition> ChartDefinitions() { return kCharts; }

const ChartDefinition* FindChart(int id) {
    for (const ChartDefinition& chart : kCharts) {
        if (static_cast<int>(chart.kind) == id) return &chart;
    }
    return nullptr;
}

const ChartDefinition& ChartOf(ChartKind kind) { return *FindChart(static_cast<int>(kind)); }

void FillChartList(IListTarget& list) {
    list.Clear();
    for (const ChartDefinition& chart : kCharts) {
        list.Append(QString::fromUtf8(chart.name), static_cast<int>(chart.kind));
    }
    list.SelectRow(0);
}
