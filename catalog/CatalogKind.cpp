#include "catalog/CatalogKind.h"

#include <array>

namespace {

struct KindNames {
    const char* table;
    const char* catchColumn;
    const char* pictureFolder;
};

// Indexed by kind 2..13.
constexpr std::array<KindNames, 12> kCatalogs = {{
    {"POISSONS", "ID_POISSON", "Poissons"},
    {"LIEUX", "ID_LIEU", "Lieux"},
    {"ESCHES", "ID_ESCHE", "Esches"},
    {"AMORCES", "ID_AMORCE", "Amorces"},
    {"MONTAGES", "ID_MONTAGE", "Montages"},
    {"TEMPS", "ID_TEMPS", ""},
    {"VENTS", "ID_VENT", ""},
    {"DIRECTIONS_VENT", "ID_DIRECTION_VENT", ""},
    {"MAREES", "ID_MAREE", ""},
    {"COULEURS_EAU", "ID_COULEUR_EAU", ""},
    {"LUNES", "ID_LUNE", ""},
    {"TECHNIQUES", "ID_TECHNIQUE", ""},
}};

const KindNames* CatalogNames(int kind) {
    if (!CatalogKind::IsCatalog(kind)) return nullptr;
    return &kCatalogs[kind - CatalogKind::Fish];
}

}  // namespace

QString TableForSelector(int selector) {
    switch (selector) {
        case CatalogKind::Calendar:
            return QStringLiteral("CALENDRIER");
        case CatalogKind::Catches:
            return QStringLiteral("PRISES");
        case CatalogKind::AlbumsTable:
            return QStringLiteral("ALBUMS");
        case CatalogKind::PhotosTable:
            return QStringLiteral("PHOTOS");
        default:
            break;
    }
    const KindNames* names = CatalogNames(selector);
    return names ? QString::fromLatin1(names->table) : QString();
}

QString CatchColumnForKind(int kind) {
    const KindNames* names = CatalogNames(kind);
    return names ? QString::fromLatin1(names->catchColumn) : QString();
}

QString PictureFolderForKind(int kind) {
    const KindNames* names = CatalogNames(kind);
    return names ? QString::fromLatin1(names->pictureFolder) : QString();
}
