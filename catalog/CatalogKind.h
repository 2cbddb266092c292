#pragma once

#include <QString>

#include <array>
#include <optional>

// What the navigation list shows. The numbers are those of the category buttons and of the
// navigation tree, in their order; convert only through CategoryFromNumber / NumberOf.
enum class Category : int {
    Calendar = 0,
    Catches = 1,
    Fish = 2,
    Places = 3,
    Baits = 4,
    Groundbaits = 5,
    Rigs = 6,
    Weather = 7,
    Winds = 8,
    WindDirections = 9,
    Tides = 10,
    WaterColours = 11,
    Moons = 12,
    Techniques = 13,
    Records = 14,
    Albums = 16,
    Charts = 17,  // "GRAPHIQUES"
};

// A table that names, identifiers and labels are read from. The twelve catalogues keep the
// numbers of their categories, so one switch serves both.
enum class Table : int {
    Sessions = 0,
    Catches = 1,
    Fish = 2,
    Places = 3,
    Baits = 4,
    Groundbaits = 5,
    Rigs = 6,
    Weather = 7,
    Winds = 8,
    WindDirections = 9,
    Tides = 10,
    WaterColours = 11,
    Moons = 12,
    Techniques = 13,
    Albums = 15,
    Photos = 16,
};

// The twelve catalogues, in the order of their categories.
inline constexpr std::array<Table, 12> kCatalogues = {
    Table::Fish,  Table::Places,       Table::Baits, Table::Groundbaits,
    Table::Rigs,  Table::Weather,      Table::Winds, Table::WindDirections,
    Table::Tides, Table::WaterColours, Table::Moons, Table::Techniques,
};

constexpr int NumberOf(Category category) { return static_cast<int>(category); }
std::optional<Category> CategoryFromNumber(int number);

// The catalogue a category shows (Fish .. Techniques); none for the other categories.
std::optional<Table> CatalogOf(Category category);
// The category that shows a catalogue; Catches for a table that is not a catalogue.
Category CategoryOf(Table catalog);

// Catalogues with a picture (Fish .. Rigs), with a text only (Weather .. Techniques).
constexpr bool HasPicture(Table table) { return table >= Table::Fish && table <= Table::Rigs; }
constexpr bool IsTextCatalog(Table table) {
    return table >= Table::Weather && table <= Table::Techniques;
}
constexpr bool IsCatalog(Table table) { return HasPicture(table) || IsTextCatalog(table); }
bool HasPicture(Category category);
bool IsTextCatalog(Category category);
bool IsCatalog(Category category);

// Stored in PRISES.ID_POISSON or ID_ESCHE when a catch has two or more fish or baits.
constexpr int SEVERAL_IDS = 999999;

// The table's name in the log ("POISSONS", "ALBUMS", ...).
QString TableName(Table table);
// The PRISES column that refers to a catalogue ("ID_POISSON", "ID_LIEU", ...); empty otherwise.
QString CatchColumnOf(Table catalog);
// Picture folder under images/ of the catalogues with a picture ("Poissons", ...); empty
// otherwise.
QString PictureFolderOf(Table catalog);
