#pragma once

class CCatchDatabase;
class QWidget;

// "Copier le carnet vers un serveur...": the target chosen among the data sources (with its
// pictures folder), opened the way start-up opens a shared log, then the open log and its
// pictures copied into it off the window's thread, on connections of the copy's own, with
// "Annuler". Tells how it ended; the open log stays the one shown.
void CopyLogToServerCommand(QWidget* parent, CCatchDatabase& db);
