#pragma once

#include <QString>

#include "catalog/CatalogKind.h"

// What each navigation category shows and which of the view's buttons it enables.
struct CategoryInfo {
    int commandId;  // menu and toolbar command that opens the category
    Category kind;
    const char* title;  // text of the title label above the list
    bool search;        // "Rechercher ..." enabled
    bool edit;          // "Ajouter ...", "Modifier ...", "Supprimer ..." enabled
};

// The category opened by a command; null for a command that opens none.
const CategoryInfo* CategoryForCommand(int commandId);
// The entry of a category; null for one without (none today, kept for safety).
const CategoryInfo* CategoryForKind(Category kind);
// Title of a category, "" when it has none (the title label then keeps its text).
QString CategoryTitle(Category kind);
