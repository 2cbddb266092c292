#pragma once

#include <QString>

#include "catalog/WorkProgress.h"

class CCatchDatabase;

// Writes the catches that have a readable GPS position as the waypoints of a GPX 1.1 file,
// which map programs open: named with the day and the species, with the moment and a
// description (place, weight, size, comment). The file appears only complete. count, when
// given, receives the number of waypoints written.
WorkResult ExportPlacesGpx(CCatchDatabase& db, const QString& path, IWorkProgress& progress,
                           int* count = nullptr);
