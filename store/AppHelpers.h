#pragma once

#include <QString>

// The data folder (absolute, ending with "/"): brevane.db and the images/ tree. Set once at
// start-up; "" before.
QString GetProgramDirectory();
void SetProgramDirectory(const QString& folder);

// True when parentFolder (ending with "/") holds a directory named exactly name, same case.
bool FolderExists(const QString& parentFolder, const QString& name);

// "%Y%m%d%H%M%S" of the local time followed by the milliseconds since the system started.
QString MakeUniqueName();
