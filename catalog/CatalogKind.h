#pragma once

#include <QString>

// The navigation categories. Kinds 2 to 6 are the catalogues with a picture, 7 to 13 those
// without. As a table selector (NameExists, GetLastId) 15 is ALBUMS and 16 is PHOTOS.
namespace CatalogKind {
constexpr int Calendar = 0;
constexpr int Catches = 1;
constexpr int Fish = 2;
constexpr int Places = 3;
constexpr int Baits = 4;
constexpr int Groundbaits = 5;
constexpr int Rigs = 6;
constexpr int Weather = 7;
constexpr int Winds = 8;
constexpr int WindDirections = 9;
constexpr int Tides = 10;
constexpr int WaterColours = 11;
constexpr int Moons = 12;
constexpr int Techniques = 13;
constexpr int Records = 14;
constexpr int AlbumsTable = 15;  // table selector only
constexpr int Albums = 16;       // navigation category
constexpr int PhotosTable = 16;  // table selector only
constexpr int Charts = 17;       // navigation category "GRAPHIQUES"

inline bool HasPicture(int kind) { return kind >= Fish && kind <= Rigs; }
inline bool IsTextCatalog(int kind) { return kind >= Weather && kind <= Techniques; }
inline bool IsCatalog(int kind) { return kind >= Fish && kind <= Techniques; }
}  // namespace CatalogKind

// Stored in PRISES.ID_POISSON or ID_ESCHE when a catch has two or more fish or baits.
constexpr int SEVERAL_IDS = 999999;

// Table of a kind or table selector ("POISSONS", "ALBUMS", ...); empty for an unknown one.
QString TableForSelector(int selector);
// The PRISES column that refers to catalogue kind 2..13 ("ID_POISSON", "ID_LIEU", ...).
QString CatchColumnForKind(int kind);
// Picture folder under images/ of kinds 2..6 ("Poissons", "Lieux", ...); empty otherwise.
QString PictureFolderForKind(int kind);
