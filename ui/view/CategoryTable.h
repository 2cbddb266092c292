#pragma once

#include <QString>

// What each navigation category shows and which of the view's buttons it enables.
struct CategoryInfo {
    int commandId;      // menu and toolbar command that opens the category
    int kind;           // CatalogKind
    const char* title;  // text of the title label above the list
    bool search;        // "Rechercher ..." enabled
    bool edit;          // "Ajouter ...", "Modifier ...", "Supprimer ..." enabled
};

// The category opened by a command; null for a command that opens none.
const CategoryInfo* CategoryForCommand(int commandId);
// The entry of a kind; null for a kind that is not a navigation category.
const CategoryInfo* CategoryForKind(int kind);
// Title of a kind, "" when it has none (the title label then keeps its text).
QString CategoryTitle(int kind);
