#pragma once

#include "catalog/CatalogKind.h"

class CCatchDatabase;
class QWidget;

// Runs the catalogue item dialog of the kind (photo dialog for fish .. rigs, text dialog for
// weather .. techniques) on the row id (-1 for a new row). Returns the stored row's id after
// "Valider", -1 after "Annuler" or for a kind that is no catalogue.
int RunCatalogItemDialog(CCatchDatabase& db, Table kind, int id, QWidget* parent);
