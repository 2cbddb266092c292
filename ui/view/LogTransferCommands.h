#pragma once

class CBrevaneView;
class CCatchDatabase;
class QWidget;

// The commands that move the catch log in and out: "Sauvegarder...", "Restaurer...",
// "Exporter les prises...", "Importer des prises...", "Exporter les lieux en GPX...". Each asks for
// its file, shows its progress with "Annuler", then tells how it ended; a restore or an import
// shows the new content in the view. False for a command that is not one of them.
bool RunLogTransferCommand(int commandId, QWidget* parent, CCatchDatabase& db, CBrevaneView& view);
