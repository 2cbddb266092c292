#include "store/OptionDefaults.h"

#include "catalog/CatchDatabase.h"

const std::vector<OptionDefault>& DefaultOptions() {
    static const std::vector<OptionDefault> defaults = {
        {QStringLiteral("TAILLE_POLICE_PRISE"), 12},
        {QStringLiteral("TAILLE_POLICE_DIVERS"), 12},
        {QStringLiteral("TAILLE_POLICE_STATISTIQUES"), 12},
        {QStringLiteral("AFF_DATE_HEURE_PRISE"), 1},
        {QStringLiteral("AFF_LIEU"), 1},
        {QStringLiteral("AFF_COORD_GPS"), 1},
        {QStringLiteral("AFF_POISSON"), 1},
        {QStringLiteral("AFF_POIDS"), 1},
        {QStringLiteral("AFF_TAILLE"), 1},
        {QStringLiteral("AFF_NOMBRE"), 1},
        {QStringLiteral("AFF_ESCHE"), 1},
        {QStringLiteral("AFF_AMORCE"), 1},
        {QStringLiteral("AFF_TECHNIQUE"), 1},
        {QStringLiteral("AFF_MONTAGE"), 1},
        {QStringLiteral("AFF_TEMPS"), 1},
        {QStringLiteral("AFF_LUNE"), 1},
        {QStringLiteral("AFF_VENT"), 1},
        {QStringLiteral("AFF_DIRECTION_VENT"), 1},
        {QStringLiteral("AFF_TEMPERATURE_AIR"), 1},
        {QStringLiteral("AFF_TEMPERATURE_EAU"), 1},
        {QStringLiteral("AFF_COULEUR_EAU"), 1},
        {QStringLiteral("AFF_MAREE"), 1},
        {QStringLiteral("AFF_COEFF_MAREE"), 1},
        {QStringLiteral("HAUTEUR_IMAGE_PRISE"), 40},
        {QStringLiteral("HAUTEUR_COMMENTAIRE_PRISE"), 20},
        // Added later, off until the angler ticks them, so an upgraded log looks as before.
        {QStringLiteral("FICHE_EPHEMERIDES"), 0},
        {QStringLiteral("FICHE_PERIODES_SOLUNAIRES"), 0},
    };
    return defaults;
}

void EnsureDefaultOptions(CCatchDatabase& db) {
    for (const OptionDefault& option : DefaultOptions())
        if (db.GetOption(option.key).isEmpty()) db.SetOptionInt(option.key, option.value);
}
