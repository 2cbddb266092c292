#include "app/CommandLineTasks.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <cstdio>
#include <functional>

#include "catalog/CatchCsvExport.h"
#include "catalog/CatchCsvImport.h"
#include "catalog/CatchDatabase.h"
#include "catalog/GpxExport.h"
#include "db/UserMessages.h"
#include "store/BackupArchive.h"
#include "store/CatchLogOpener.h"
#include "store/CommandLine.h"
#include "store/DataFolder.h"
#include "store/InstanceLock.h"
#include "store/LogCopyCheck.h"
#include "store/LogRestore.h"

namespace {

void Print(FILE* stream, const QString& text) {
    QTextStream out(stream);
    out << text << '\n';
}

struct TaskContext {
    CCatchDatabase& db;
    QString dataDir;
    QString file;
};

WorkResult Restore(TaskContext& task) {
    CSilentProgress progress;
    QString kept;
    WorkResult result = RestoreCatchLog(task.db, task.dataDir, task.file, progress, {}, &kept);
    if (result.IsDone())
        Print(stdout, QStringLiteral("Carnet restauré depuis %1 ; l'ancien carnet est gardé dans "
                                     "%2.")
                          .arg(task.file, kept));
    return result;
}

WorkResult Import(TaskContext& task) {
    CSilentProgress progress;
    CCatchCsvImport import;
    WorkResult result = import.Read(task.db, task.file, progress);
    if (result.IsDone()) result = import.Write(task.db, progress);
    if (result.IsDone()) Print(stdout, import.Preview());
    return result;
}

WorkResult Export(TaskContext& task) {
    CSilentProgress progress;
    return ExportCatchesCsv(task.db, task.file, progress);
}

WorkResult ExportGpx(TaskContext& task) {
    CSilentProgress progress;
    int count = 0;
    WorkResult result = ExportPlacesGpx(task.db, task.file, progress, &count);
    if (result.IsDone()) Print(stdout, QStringLiteral("%1 points écrits.").arg(count));
    return result;
}

WorkResult Backup(TaskContext& task) {
    CSilentProgress progress;
    return WriteBackupArchive(task.db, task.dataDir, task.file, progress);
}

using Task = std::function<WorkResult(TaskContext&)>;

Task TaskFor(const QString& option) {
    using namespace CommandLineOption;
    if (option == kRestore) return Restore;
    if (option == kImportCsv) return Import;
    if (option == kExportCsv) return Export;
    if (option == kExportGpx) return ExportGpx;
    return Backup;
}

}  // namespace

bool HasCommandLineTask(const CCommandLine& commandLine) {
    for (const QString& option : CommandLineTasks())
        if (commandLine.IsSet(option)) return true;
    return false;
}

int RunCommandLineTasks(int& argc, char** argv, const CCommandLine& commandLine) {
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    SetUserMessages(nullptr);  // every message goes to standard error

    const QString dataDir =
        PrepareDataFolder(QCoreApplication::arguments(), QCoreApplication::applicationDirPath());
    if (dataDir.isEmpty()) return 1;
    CCatchDatabase db;
    CInstanceLock lock;
    const QString sharedLog = commandLine.Value(CommandLineOption::kDsn);
    if (!sharedLog.isEmpty()) {
        // A server log has no file here to replace.
        if (commandLine.IsSet(CommandLineOption::kRestore)) {
            Print(stderr, QStringLiteral("brevane : ") + ServerLogBackupRefusal());
            return 1;
        }
        if (!OpenSharedCatchLog(db, dataDir, sharedLog)) return 1;
    } else {
        if (!TakeInstanceLock(lock, dataDir)) return 1;
        // A restore also replaces a log that would not open.
        if (!commandLine.IsSet(CommandLineOption::kRestore) && !OpenCatchLog(db, dataDir)) return 1;
    }

    for (const QString& option : CommandLineTasks()) {
        if (!commandLine.IsSet(option)) continue;
        TaskContext task{db, dataDir, commandLine.Value(option)};
        const WorkResult result = TaskFor(option)(task);
        if (result.IsFailed()) Print(stderr, QStringLiteral("brevane : ") + result.reason);
        if (!result.IsDone()) return 1;
    }
    return 0;
}
