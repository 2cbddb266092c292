#include "bench/BenchLogs.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "catalog/CatchDatabase.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/DataSource.h"

#ifndef BREVANE_SAMPLELOG
#define BREVANE_SAMPLELOG "brevane-samplelog"
#endif
#ifndef BREVANE_BENCH_LOGS
#define BREVANE_BENCH_LOGS "bench-logs"
#endif

namespace {

// Written by the benchmarks once the generator has finished: a log cut short by an
// interrupted run is made again rather than measured.
const QString kCompleteMarker = QStringLiteral("generated.ok");

QString LogsRoot() {
    const QString fromEnvironment = qEnvironmentVariable("BREVANE_BENCH_LOGS");
    return fromEnvironment.isEmpty() ? QStringLiteral(BREVANE_BENCH_LOGS) : fromEnvironment;
}

}  // namespace

void PrepareBenchEnvironment() {
    static QTemporaryDir folder;
    qputenv("ODBCINI", folder.filePath(QStringLiteral("odbc.ini")).toLocal8Bit());
}

QString EnsureSampleLog(const QString& name, const QStringList& generatorArguments) {
    const QString folder = QDir(LogsRoot()).filePath(name) + u'/';
    if (QFile::exists(folder + kCompleteMarker) && QFile::exists(folder + "brevane.db"))
        return folder;
    QDir(folder).removeRecursively();
    std::fprintf(stderr, "Génération du carnet d'exemple %s...\n", qPrintable(folder));
    QElapsedTimer clock;
    clock.start();
    QProcess generator;
    generator.setProcessChannelMode(QProcess::ForwardedChannels);
    generator.start(QStringLiteral(BREVANE_SAMPLELOG),
                    QStringList{QStringLiteral("--data-dir"), folder} + generatorArguments);
    if (!generator.waitForFinished(-1) || generator.exitStatus() != QProcess::NormalExit ||
        generator.exitCode() != 0) {
        std::fprintf(stderr, "Échec de brevane-samplelog pour %s\n", qPrintable(folder));
        return {};
    }
    QFile marker(folder + kCompleteMarker);
    if (marker.open(QIODevice::WriteOnly)) marker.write(generatorArguments.join(u' ').toUtf8());
    std::fprintf(stderr, "  fait en %.1f s\n", clock.elapsed() / 1000.0);
    return folder;
}

QString EnsureCatchLog(int catches) {
    return EnsureSampleLog(
        QStringLiteral("catches-%1").arg(catches),
        {QStringLiteral("--catches"), QString::number(catches), QStringLiteral("--years"),
         QStringLiteral("20"), QStringLiteral("--seed"), QStringLiteral("1")});
}

std::unique_ptr<CCatchDatabase> OpenBenchLog(const QString& folder, const QString& dsnName) {
    if (folder.isEmpty()) return nullptr;
    auto db = std::make_unique<CCatchDatabase>();
    if (!OpenCatchLog(*db, folder, dsnName, false)) return nullptr;
    return db;
}

std::unique_ptr<CCatchDatabase> OpenBenchLogWithoutIndexes(const QString& folder,
                                                           const QString& dsnName) {
    if (folder.isEmpty()) return nullptr;
    const QString copy = folder.chopped(1) + QStringLiteral("-sans-index/");
    if (!QFile::exists(copy + kCompleteMarker)) {
        QDir(copy).removeRecursively();
        if (!QDir().mkpath(copy) || !QFile::copy(folder + "brevane.db", copy + "brevane.db"))
            return nullptr;
    }
    SetProgramDirectory(folder);
    auto db = std::make_unique<CCatchDatabase>();
    if (!RegisterDataSource(copy + "brevane.db", dsnName) ||
        !db->ConnectWithString(CatchLogConnectionString(copy + "brevane.db")))
        return nullptr;
    const bool done = RunOrShowError(false, [&] {
        QStringList indexes;
        CDbRecordset rows(*db);
        rows.SetSql(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND "
                           "sql IS NOT NULL"));
        if (rows.Open())
            while (rows.Fetch()) indexes << rows.GetText(1);
        for (const QString& index : indexes)
            db->ExecuteDirect(QStringLiteral("DROP INDEX \"%1\"").arg(index));
        return true;
    });
    if (!done) return nullptr;
    QFile marker(copy + kCompleteMarker);
    if (marker.open(QIODevice::WriteOnly)) marker.write("sans index");
    return db;
}

namespace {

void DropFileFromPageCache(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

}  // namespace

void DropFromPageCache(const QString& path) {
    if (!QFileInfo(path).isDir()) {
        DropFileFromPageCache(path);
        return;
    }
    QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) DropFileFromPageCache(files.next());
}

double PeakMemoryMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}
