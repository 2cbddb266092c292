#pragma once

#include <array>

// The keys of the options store (table OPTIONS), spelled once for the defaults written at
// start, the preferences dialog, the catch sheet and the panels that read them.
namespace OptionKey {
inline constexpr const char* CatchFont = "TAILLE_POLICE_PRISE";
inline constexpr const char* MiscFont = "TAILLE_POLICE_DIVERS";
inline constexpr const char* StatisticsFont = "TAILLE_POLICE_STATISTIQUES";
inline constexpr const char* ImageHeight = "HAUTEUR_IMAGE_PRISE";
inline constexpr const char* CommentHeight = "HAUTEUR_COMMENTAIRE_PRISE";
// The switches of the catch sheet's lines: 1 shows the line.
inline constexpr const char* ShowMoment = "AFF_DATE_HEURE_PRISE";
inline constexpr const char* ShowPlace = "AFF_LIEU";
inline constexpr const char* ShowGps = "AFF_COORD_GPS";
inline constexpr const char* ShowFish = "AFF_POISSON";
inline constexpr const char* ShowWeight = "AFF_POIDS";
inline constexpr const char* ShowSize = "AFF_TAILLE";
inline constexpr const char* ShowNumber = "AFF_NOMBRE";
inline constexpr const char* ShowBait = "AFF_ESCHE";
inline constexpr const char* ShowGroundbait = "AFF_AMORCE";
inline constexpr const char* ShowTechnique = "AFF_TECHNIQUE";
inline constexpr const char* ShowRig = "AFF_MONTAGE";
inline constexpr const char* ShowWeather = "AFF_TEMPS";
inline constexpr const char* ShowMoon = "AFF_LUNE";
inline constexpr const char* ShowWind = "AFF_VENT";
inline constexpr const char* ShowWindDirection = "AFF_DIRECTION_VENT";
inline constexpr const char* ShowAirTemperature = "AFF_TEMPERATURE_AIR";
inline constexpr const char* ShowWaterTemperature = "AFF_TEMPERATURE_EAU";
inline constexpr const char* ShowWaterColour = "AFF_COULEUR_EAU";
inline constexpr const char* ShowTide = "AFF_MAREE";
inline constexpr const char* ShowTideCoefficient = "AFF_COEFF_MAREE";
}  // namespace OptionKey

struct SheetLineOption {
    const char* key;
    const char* label;  // the preferences dialog's check box
};

// The catch sheet's switches in the order the preferences dialog shows them and start-up
// writes their defaults.
inline constexpr std::array<SheetLineOption, 20> kSheetLineOptions = {{
    {OptionKey::ShowMoment, "Date et heure de la prise"},
    {OptionKey::ShowPlace, "Lieu"},
    {OptionKey::ShowGps, "Coordonnées GPS"},
    {OptionKey::ShowFish, "Poisson"},
    {OptionKey::ShowWeight, "Poids"},
    {OptionKey::ShowSize, "Taille"},
    {OptionKey::ShowNumber, "Nombre"},
    {OptionKey::ShowBait, "Esche"},
    {OptionKey::ShowGroundbait, "Amorce"},
    {OptionKey::ShowTechnique, "Technique"},
    {OptionKey::ShowRig, "Montage"},
    {OptionKey::ShowWeather, "Temps"},
    {OptionKey::ShowMoon, "Lune"},
    {OptionKey::ShowWind, "Vent"},
    {OptionKey::ShowWindDirection, "Direction du vent"},
    {OptionKey::ShowAirTemperature, "Température de l'air"},
    {OptionKey::ShowWaterTemperature, "Température de l'eau"},
    {OptionKey::ShowWaterColour, "Couleur de l'eau"},
    {OptionKey::ShowTide, "Marée"},
    {OptionKey::ShowTideCoefficient, "Coefficient de marée"},
}};
