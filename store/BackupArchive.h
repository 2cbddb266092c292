#pragma once

#include <QString>

#include "catalog/WorkProgress.h"

class CDbConnection;

// The archive "Sauvegarder..." writes and "Restaurer..." reads: the catch log as brevane.db
// and the whole images/ tree under images/, in a format other tools open (zip when the name
// ends with ".zip", else tar.gz), through libarchive.

// The archive's name for the log inside it.
inline constexpr char kArchivedLogName[] = "brevane.db";

// Writes the archive of the open log and the data folder's pictures. The log goes in as a
// consistent copy, checked first. The archive appears only complete: a stop or a failure
// leaves an earlier file of that name as it was.
WorkResult WriteBackupArchive(CDbConnection& db, const QString& dataDir, const QString& archivePath,
                              IWorkProgress& progress);

// Extracts brevane.db and the images/ tree of an archive into a folder (ending with "/").
// Other entries are skipped; an entry that would land outside the folder refuses the archive.
WorkResult ExtractBackupArchive(const QString& archivePath, const QString& targetFolder,
                                IWorkProgress& progress);
