#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class CCatchDatabase;

// Sample logs for the benchmarks: made once by brevane-samplelog into the build folder
// (bench-logs/<name>) and reused by every later run, so that each figure is measured on the
// same file.

// Points unixODBC at an odbc.ini of this process, so that the angler's ~/.odbc.ini is never
// touched. unixODBC reads it at its first call: call this first in main. (Without a message
// sink, the operations' messages go to standard error.)
void PrepareBenchEnvironment();

// The folder of the named sample log (ending with "/"), generated with these generator
// arguments when it is missing or was left unfinished. "" when the generator failed.
QString EnsureSampleLog(const QString& name, const QStringList& generatorArguments);

// The usual catch logs: "catches-<N>", N catches over twenty years, seed 1.
QString EnsureCatchLog(int catches);

// The log opened by the program's own start-up sequence (schema steps, indexes), each under a
// data source of its own. Null when it could not be opened.
std::unique_ptr<CCatchDatabase> OpenBenchLog(const QString& folder, const QString& dsnName);

// The same log without the search indexes the program makes, to see what they bring: a copy
// of it (made once, beside it) from which every index is dropped, connected to directly,
// without the start-up sequence that would make them again. Null when it could not be made.
std::unique_ptr<CCatchDatabase> OpenBenchLogWithoutIndexes(const QString& folder,
                                                           const QString& dsnName);

// Asks the kernel to forget the cached pages of a file, or of every file under a folder, so
// that the next read comes from the disk (posix_fadvise DONTNEED; pages being written stay).
void DropFromPageCache(const QString& path);

// Peak resident memory of this process so far, in megabytes.
double PeakMemoryMegabytes();
