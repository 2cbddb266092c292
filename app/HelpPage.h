#pragma once

#include <QString>

// The help index for a program started from exeDir: beside it in the build tree
// (share/brevane/aide/), else where it is installed (<prefix>/share/brevane/aide/ with the
// program in <prefix>/bin). The build-tree path when neither exists.
QString HelpIndexPath(const QString& exeDir);

// Opens the help index in the user's browser. A missing page brings no message.
void ShowHelp();
