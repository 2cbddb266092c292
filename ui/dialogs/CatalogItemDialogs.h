#pragma once

class CCatchDatabase;
class QWidget;

// Runs the catalogue item dialog of the kind (photo dialog for 2..6, text dialog for 7..13)
// on the row id (-1 for a new row). Returns the stored row's id after "Valider", -1 after
// "Annuler" or for a kind that is no catalogue.
int RunCatalogItemDialog(CCatchDatabase& db, int kind, int id, QWidget* parent);
