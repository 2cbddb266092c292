#include "catalog/CatalogKind.h"

#include <array>

namespace {

struct CatalogNames {
    const char* table;
    const char* catchColumn;
    const char* pictureFolder;
};

// Indexed from Table::Fish to Table::Techniques.
constexpr std::array<CatalogNames, 12> kCatalogs = {{
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

const CatalogNames* NamesOf(Table table) {
    if (!IsCatalog(table)) return nullptr;
    return &kCatalogs[static_cast<int>(table) - static_cast<int>(Table::Fish)];
}

}  // namespace

std::optional<Category> CategoryFromNumber(int number) {
    if (number < NumberOf(Category::Calendar) || number > NumberOf(Category::Charts) ||
        number == NumberOf(Category::Records) + 1)
        return std::nullopt;
    return static_cast<Category>(number);
}

std::optional<Table> CatalogOf(Category category) {
    const int number = NumberOf(category);
    if (number < static_cast<int>(Table::Fish) || number > static_cast<int>(Table::Techniques))
        return std::nullopt;
    return static_cast<Table>(number);
}

Category CategoryOf(Table catalog) {
    return IsCatalog(catalog) ? static_cast<Category>(static_cast<int>(catalog))
                              : Category::Catches;
}

bool HasPicture(Category category) {
    const auto catalog = CatalogOf(category);
    return catalog && HasPicture(*catalog);
}

bool IsTextCatalog(Category category) {
    const auto catalog = CatalogOf(category);
    return catalog && IsTextCatalog(*catalog);
}

bool IsCatalog(Category category) { return CatalogOf(category).has_value(); }

QString TableName(Table table) {
    switch (table) {
        case Table::Sessions:
            return QStringLiteral("CALENDRIER");
        case Table::Catches:
            return QStringLiteral("PRISES");
        case Table::Albums:
            return QStringLiteral("ALBUMS");
        case Table::Photos:
            return QStringLiteral("PHOTOS");
        default:
            break;
    }
    const CatalogNames* names = NamesOf(table);
    return names ? QString::fromLatin1(names->table) : QString();
}

QString CatchColumnOf(Table catalog) {
    const CatalogNames* names = NamesOf(catalog);
    return names ? QString::fromLatin1(names->catchColumn) : QString();
}

QString PictureFolderOf(Table catalog) {
    const CatalogNames* names = NamesOf(catalog);
    return names ? QString::fromLatin1(names->pictureFolder) : QString();
}
