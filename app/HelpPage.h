#pragma once

#include <QString>

// The help index for a program started from exeDir: beside it in the build tree
// (share/brevane/aide/), else where it is installed (<prefix>/share/brevane/aide/ with the
// program in <prefix>/bin). The build-tree path when neither exists.
QString HelpIndexPath(const QString& exeDir);

// What the angler reads when no program could open the help index: where the pages are.
QString HelpNotOpenedMessage(const QString& indexPath);

// Opens the help index in the user's browser; when no program can open it, says in a message
// box where the help pages are. A missing page is left to the browser to report.
void ShowHelp();
