#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The dated copies of the catch log in <data folder>sauvegardes/: their names and which of
// them are kept.

// "sauvegardes/" inside a data folder ending with "/", ending with "/".
QString BackupFolder(const QString& dataDir);

// "brevane-AAAA-MM-JJ-HHMMSS.db" for a moment.
QString BackupFileName(const QDateTime& moment);
// The moment a copy's name gives; invalid for any other name.
QDateTime BackupMoment(const QString& fileName);

// Of these names, the dated copies to delete: every one except the 10 newest and the newest
// of each of the 12 months up to the month of `now`. Other names are never listed.
QStringList BackupsToDelete(const QStringList& fileNames, const QDateTime& now);
