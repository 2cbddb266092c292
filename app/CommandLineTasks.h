#pragma once

class CCommandLine;

// True when the command line asks for work on the log without a window (--backup, --restore,
// --export-csv, --import-csv...).
bool HasCommandLineTask(const CCommandLine& commandLine);

// Runs those tasks on the log of the data folder, in a fixed order, without a window and
// without a display: 0 when all succeeded, 1 at the first failure, its French reason on
// standard error.
int RunCommandLineTasks(int& argc, char** argv, const CCommandLine& commandLine);
