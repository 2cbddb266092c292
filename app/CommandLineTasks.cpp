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
#include "store/LogCopy.h"
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

// Each step on its own line, as the copy goes.
class CPrintedProgress : public IWorkProgress {
public:
    void SetStep(const QString& text) override { Print(stdout, text); }
    bool Advance(qint64, qint64) override { return true; }
};

// The local log of the data folder into the empty server log `dsn`, opened the way start-up
// opens it (its schema made when missing), its pictures in that log's usual folder.
int CopyToServer(const QString& dataDir, const QString& dsn) {
    CInstanceLock lock;
    CCatchDatabase source;
    if (!TakeInstanceLock(lock, dataDir) || !OpenCatchLog(source, dataDir)) return 1;
    CCatchDatabase target;
    const QString targetDir =
        OpenSharedLogAsAtStart(target, dsn, QString(), QCoreApplication::applicationDirPath());
    if (targetDir.isEmpty()) return 1;
    CPrintedProgress progress;
    const WorkResult result = CopyLogToServer(source, dataDir, target, targetDir, progress);
    if (!result.IsDone()) {
        Print(stderr, QStringLiteral("brevane : ") +
                          (result.IsFailed() ? result.reason : QStringLiteral("copie arrêtée.")));
        return 1;
    }
    Print(stdout, QStringLiteral("Carnet copié vers %1 ; ses images sont dans %2images.")
                      .arg(dsn, targetDir));
    return 0;
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
    if (commandLine.IsSet(CommandLineOption::kCopyToDsn)) return true;
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
    const QString sharedLog = commandLine.Value(CommandLineOption::kDsn);
    if (commandLine.IsSet(CommandLineOption::kCopyToDsn)) {
        // The copy reads a file log: a server log is saved by the server's administrator.
        if (!sharedLog.isEmpty()) {
            Print(stderr, QStringLiteral("brevane : --copy-to-dsn copie le carnet du dossier de "
                                         "données ; elle ne va pas avec --dsn."));
            return kCommandLineUsageError;
        }
        return CopyToServer(dataDir, commandLine.Value(CommandLineOption::kCopyToDsn));
    }
    CCatchDatabase db;
    CInstanceLock lock;
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
