#pragma once

#include <QString>

#include "catalog/WorkProgress.h"

class CDbConnection;

// Moves a catch log to a club's server: every table's rows of the source log, identifiers
// kept, go into a target log whose schema the normal start-up made and that holds nothing
// anyone typed yet (only the starter names and preferences a first start writes; they are
// replaced by the source's). All rows go in one transaction of the target; the server's
// identity sequences then continue after the largest identifier copied, and the images/
// tree is copied into the target's pictures folder without replacing any file there. A stop
// or a failure rolls everything back and removes the pictures copied: the target stays as it
// was. Both connections belong to the caller's thread for the whole copy (any thread: nothing
// is shown). Folders end with "/".
WorkResult CopyLogToServer(CDbConnection& source, const QString& sourceDataDir,
                           CDbConnection& target, const QString& targetDataDir,
                           IWorkProgress& progress);

// Why the target cannot receive a copy ("" when it can): the catches or other rows someone
// entered there, named. Reads only; throws CSQLException* on a driver error.
QString TargetLogRefusal(CDbConnection& target);
