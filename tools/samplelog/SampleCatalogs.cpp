#include "tools/samplelog/SampleCatalogs.h"

#include <QString>
#include <cmath>

// Names are in capitals, as anglers type them in the program; a few carry accents and
// apostrophes on purpose, so that a sample log also exercises quoting and UTF-8.

const std::vector<SpeciesTrait>& SampleSpecies() {
    static const std::vector<SpeciesTrait> species = {
        {"BROCHET", Water::Fresh, 40, 115, 7.5, 10, 1,
         "Carnassier des eaux calmes, chasse à l'affût près des herbiers."},
        {"SANDRE", Water::Fresh, 35, 90, 9.5, 8, 1,
         "Carnassier crépusculaire, aime les fonds durs et les eaux teintées."},
        {"PERCHE", Water::Fresh, 15, 48, 16.0, 14, 8,
         "Se déplace en bancs, mord au ver et aux petits leurres."},
        {"BLACK-BASS", Water::Fresh, 20, 60, 14.0, 5, 1, "Carnassier des bordures encombrées."},
        {"CARPE", Water::Fresh, 40, 100, 17.0, 9, 1,
         "Poisson de fond puissant, pêché de jour comme de nuit."},
        {"CARPE AMOUR", Water::Fresh, 50, 110, 11.0, 1, 1, "Amour blanc, herbivore."},
        {"TRUITE FARIO", Water::Fresh, 20, 60, 11.0, 6, 2, "Salmonidé des eaux vives et fraîches."},
        {"TRUITE ARC-EN-CIEL", Water::Fresh, 25, 65, 12.0, 3, 2, nullptr},
        {"OMBRE COMMUN", Water::Fresh, 25, 50, 9.5, 1, 2, nullptr},
        {"GARDON", Water::Fresh, 10, 35, 14.0, 14, 30, "Poisson blanc le plus pêché au coup."},
        {"BREME", Water::Fresh, 25, 65, 13.0, 6, 12, nullptr},
        {"TANCHE", Water::Fresh, 20, 55, 15.0, 3, 4, nullptr},
        {"CHEVESNE", Water::Fresh, 20, 60, 11.0, 4, 3, nullptr},
        {"SILURE", Water::Fresh, 80, 240, 6.5, 2, 1, "Le géant de nos rivières."},
        {"ANGUILLE", Water::Both, 35, 90, 1.6, 2, 2, nullptr},
        {"ROTENGLE", Water::Fresh, 10, 35, 13.0, 4, 20, nullptr},
        {"ABLETTE", Water::Fresh, 8, 18, 7.5, 3, 60, nullptr},
        {"BAR", Water::Sea, 30, 90, 10.0, 8, 2, "Loup de Méditerranée, chasse dans l'écume."},
        {"DORADE ROYALE", Water::Sea, 25, 60, 15.0, 4, 3, nullptr},
        {"MAQUEREAU", Water::Sea, 20, 45, 8.0, 6, 25, nullptr},
        {"LIEU JAUNE", Water::Sea, 30, 80, 9.0, 3, 3, nullptr},
        {"SAR", Water::Sea, 20, 45, 14.0, 2, 4, nullptr},
        {"MULET", Water::Both, 30, 70, 9.5, 3, 3, nullptr},
        {"SOLE", Water::Sea, 20, 45, 9.0, 1, 3, nullptr},
        {"CONGRE", Water::Sea, 60, 180, 2.5, 1, 1, nullptr},
    };
    return species;
}

const std::vector<PlaceTrait>& SamplePlaces() {
    static const std::vector<PlaceTrait> places = {
        {"LOIRE A ORLEANS", Water::Fresh, 47.8960, 1.9060, 10,
         "Bras mort en aval du pont Royal, parking au bord de l'eau."},
        {"CANAL DU CENTRE", Water::Fresh, 46.7800, 4.4200, 6, "Écluse n° 12, berges enherbées."},
        {"LAC DU DER", Water::Fresh, 48.5800, 4.7600, 8,
         "Grand lac de barrage, vidange à l'automne."},
        {"LAC DE SAINTE-CROIX", Water::Fresh, 43.7700, 6.1900, 4, nullptr},
        {"LAC D'ANNECY", Water::Fresh, 45.8600, 6.1700, 5, "Carte de pêche lacustre obligatoire."},
        {"ETANG DE L'ABBAYE", Water::Fresh, 46.6700, 6.0300, 3, nullptr},
        {"SEINE - QUAI DE BERCY", Water::Fresh, 48.8370, 2.3750, 7, "Street fishing le soir."},
        {"DORDOGNE A BERGERAC", Water::Fresh, 44.8500, 0.4800, 5, nullptr},
        {"GARONNE A TOULOUSE", Water::Fresh, 43.6000, 1.4350, 5, nullptr},
        {"RHONE A ARLES", Water::Fresh, 43.6800, 4.6300, 3, "Courant fort, gros silures."},
        {"GRAVIERE DE LA BASSEE", Water::Fresh, 48.4000, 3.1000, 6, nullptr},
        {"RIVIÈRE D'AIN", Water::Fresh, 46.0000, 5.3400, 4, "Parcours no-kill en amont du pont."},
        {"LOUE A ORNANS", Water::Fresh, 47.1050, 6.1450, 3,
         "Rivière à truites, première catégorie."},
        {"PLAGE DE LA TORCHE", Water::Sea, 47.8380, -4.3500, 5, "Surfcasting par mer formée."},
        {"DIGUE DE PORNICHET", Water::Sea, 47.2560, -2.3430, 4, nullptr},
        {"RADE DE BREST", Water::Sea, 48.3600, -4.5300, 4, nullptr},
        {"BAIE DE SOMME", Water::Sea, 50.2200, 1.6100, 3, "Attention à la marée montante."},
        {"ÉTANG DE THAU", Water::Sea, 43.4000, 3.6200, 4, "Lagune salée, dorades à l'automne."},
        {"PORT DE LA ROCHELLE", Water::Sea, 46.1500, -1.1500, 3, nullptr},
        {"CAP FERRET", Water::Sea, 44.6300, -1.2500, 3, nullptr},
    };
    return places;
}

QString GpsText(double latitude, double longitude) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(std::fabs(latitude), 0, 'f', 4)
        .arg(QChar(latitude >= 0 ? u'N' : u'S'))
        .arg(std::fabs(longitude), 0, 'f', 4)
        .arg(QChar(longitude >= 0 ? u'E' : u'O'));
}

const std::vector<WaterEntry>& SampleBaits() {
    static const std::vector<WaterEntry> baits = {
        {"VER DE TERRE", Water::Fresh},
        {"ASTICOT", Water::Fresh},
        {"PINKY", Water::Fresh},
        {"TEIGNE", Water::Fresh},
        {"PAIN", Water::Fresh},
        {"MAIS", Water::Fresh},
        {"BOUILLETTE", Water::Fresh},
        {"PELLET", Water::Fresh},
        {"VIF", Water::Fresh},
        {"POISSON MORT", Water::Both},
        {"LEURRE SOUPLE", Water::Both},
        {"CUILLER TOURNANTE", Water::Fresh},
        {"POISSON NAGEUR", Water::Both},
        {"JIG", Water::Both},
        {"MOUCHE SECHE", Water::Fresh},
        {"NYMPHE", Water::Fresh},
        {"ECREVISSE", Water::Fresh},
        {"VER AMERICAIN", Water::Sea},
        {"GRAVELOT", Water::Sea},
        {"ARENICOLE", Water::Sea},
        {"COUTEAU", Water::Sea},
        {"CREVETTE", Water::Sea},
        {"SEICHE", Water::Sea},
        {"SARDINE", Water::Sea},
        {"LEURRE DE SURFACE", Water::Both},
    };
    return baits;
}

const std::vector<WaterEntry>& SampleGroundbaits() {
    static const std::vector<WaterEntry> groundbaits = {
        {"AMORCE GARDON", Water::Fresh},   {"AMORCE CARPE", Water::Fresh},
        {"AMORCE BREME", Water::Fresh},    {"FARINE DE MAIS", Water::Fresh},
        {"CHENEVIS", Water::Fresh},        {"GRAINES CUITES", Water::Fresh},
        {"PELLETS", Water::Fresh},         {"TERRE DE SOMME", Water::Fresh},
        {"BROUME DE SARDINE", Water::Sea}, {"PAIN DE MIE MIXE", Water::Both},
    };
    return groundbaits;
}

const std::vector<WaterEntry>& SampleRigs() {
    static const std::vector<WaterEntry> rigs = {
        {"FLOTTEUR 1 G", Water::Fresh},
        {"FLOTTEUR 4 G", Water::Fresh},
        {"PLOMBEE COULISSANTE", Water::Both},
        {"HAIR RIG", Water::Fresh},
        {"FEEDER 30 G", Water::Fresh},
        {"DROP SHOT", Water::Both},
        {"TEXAN", Water::Fresh},
        {"TETE PLOMBEE 10 G", Water::Both},
        {"BAS DE LIGNE ACIER", Water::Fresh},
        {"BAS DE LIGNE FLUOROCARBONE", Water::Both},
        {"PATERNOSTER 2 HAMECONS", Water::Sea},
        {"MONTAGE A L'ANGLAISE", Water::Fresh},
    };
    return rigs;
}

const std::vector<WaterEntry>& SampleTechniques() {
    static const std::vector<WaterEntry> techniques = {
        {"PECHE AU COUP", Water::Fresh},
        {"PECHE AU LANCER", Water::Both},
        {"PECHE A LA MOUCHE", Water::Fresh},
        {"PECHE AU FEEDER", Water::Fresh},
        {"PECHE AU POSE", Water::Both},
        {"PECHE A LA TRAINE", Water::Both},
        {"SURFCASTING", Water::Sea},
        {"PECHE AUX LEURRES", Water::Both},
        {"PECHE AU VIF", Water::Fresh},
        {"PECHE AU TOC", Water::Fresh},
        {"PECHE A LA BOLOGNAISE", Water::Fresh},
        {"PECHE EN FLOAT TUBE", Water::Fresh},
        {"PECHE A L'ANGLAISE", Water::Fresh},
        {"PECHE EN BATEAU", Water::Sea},
    };
    return techniques;
}

const std::vector<NamedEntry>& SampleWeathers() {
    static const std::vector<NamedEntry> weathers = {
        {"ENSOLEILLE", nullptr}, {"PEU NUAGEUX", nullptr},
        {"NUAGEUX", nullptr},    {"COUVERT", "Ciel bas, lumière faible."},
        {"BRUINE", nullptr},     {"PLUIE", nullptr},
        {"AVERSES", nullptr},    {"ORAGE", "Sortir de l'eau dès le premier éclair."},
        {"BROUILLARD", nullptr}, {"NEIGE", nullptr},
    };
    return weathers;
}

const std::vector<NamedEntry>& SampleWinds() {
    static const std::vector<NamedEntry> winds = {
        {"NUL", "Moins de 5 km/h."},    {"FAIBLE", "De 5 à 20 km/h."},
        {"MODERE", "De 20 à 30 km/h."}, {"ASSEZ FORT", "De 30 à 40 km/h."},
        {"FORT", "De 40 à 60 km/h."},   {"TEMPETE", "Plus de 60 km/h."},
    };
    return winds;
}

const std::vector<NamedEntry>& SampleMoons() {
    static const std::vector<NamedEntry> moons = {
        {"NOUVELLE LUNE", nullptr},
        {"PREMIER CROISSANT", nullptr},
        {"PREMIER QUARTIER", nullptr},
        {"GIBBEUSE CROISSANTE", nullptr},
        {"PLEINE LUNE", "Nuits claires, touches plus rares de jour."},
        {"GIBBEUSE DECROISSANTE", nullptr},
        {"DERNIER QUARTIER", nullptr},
        {"DERNIER CROISSANT", nullptr},
    };
    return moons;
}

const std::vector<NamedEntry>& SampleWaterColours() {
    static const std::vector<NamedEntry> colours = {
        {"CLAIRE", nullptr},
        {"LEGEREMENT TEINTEE", nullptr},
        {"TEINTEE", nullptr},
        {"VERTE", nullptr},
        {"TROUBLE", "Après une crue ou un gros orage."},
        {"BOUEUSE", nullptr},
    };
    return colours;
}

const std::vector<const char*>& SampleAlbumNames() {
    static const std::vector<const char*> names = {
        "VACANCES EN BRETAGNE",   "CARPES DE NUIT", "BROCHETS D'HIVER", "CONCOURS DU CLUB",
        "OUVERTURE DE LA TRUITE", "SORTIES EN MER", "LAC DU DER",       "STREET FISHING",
    };
    return names;
}

const std::vector<const char*>& SampleCatchComments() {
    static const std::vector<const char*> comments = {
        "Touche franche au lever du jour.",
        "Beau combat, remis à l'eau.",
        "Pris au ras des nénuphars.",
        "Gardé pour la poêle.",
        "Touches timides toute la matinée, puis une belle série.",
        "Décroché deux fois avant celui-ci.",
        "Relâché après la photo.",
        "Pris en dérive, 6 m de fond.",
        "Le moulinet a chanté !",
        "Eau en crue, poissons collés à la berge.",
        "Pesé à l'épuisette, poids approximatif.",
        "Premier poisson de la saison.",
    };
    return comments;
}

const std::vector<const char*>& SampleSessionComments() {
    static const std::vector<const char*> comments = {
        "Sortie avec Jean-Pierre.", "Week-end au bord de l'eau.",
        "Concours du club.",        "Essai des nouveaux leurres.",
        "Sortie du soir.",          "Matinée calme, peu de monde.",
    };
    return comments;
}

const std::vector<const char*>& SamplePhotoComments() {
    static const std::vector<const char*> comments = {
        "Le poisson du jour.", "Au coucher du soleil.",     "Remise à l'eau.",
        "Le coin secret.",     "Avec les copains du club.", "Brume sur l'étang.",
    };
    return comments;
}
