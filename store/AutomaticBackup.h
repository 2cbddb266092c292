#pragma once

#include <QDateTime>
#include <QString>

class CDbConnection;

// The dated copy written at each clean exit, and at start after a run that did not end
// cleanly: sauvegardes/brevane-AAAA-MM-JJ-HHMMSS.db, checked before the copies the retention
// rule no longer keeps are deleted. "" on success, else the French reason; a copy that fails
// its check is removed and every older one stays. The connection must not be inside a
// transaction.
QString WriteAutomaticBackup(CDbConnection& db, const QString& dataDir,
                             const QDateTime& now = QDateTime::currentDateTime());
